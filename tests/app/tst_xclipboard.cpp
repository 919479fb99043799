// Copy Picture and Paste Picture against a real X clipboard, with xclip as the other program.
// Runs under its own X server (see CMakeLists.txt).
#include "app/frmPixoram.h"
#include "files/PicturePng.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

PictureGrid stripes(int period)
{
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, (x + 2 * y) % period == 0 ? 1 : 0);
    }
    return grid;
}

// Runs xclip to its end while this program's event loop serves the clipboard it owns.
QByteArray xclip(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xclip"), QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard")} + arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
        process.kill();
    return process.readAllStandardOutput();
}

}  // namespace

class TestXClipboard : public QObject {
    Q_OBJECT
private slots:
    void otherProgramsReadTheCopiedPicture();
    void pictureFromAnotherProgramPastes();
};

void TestXClipboard::otherProgramsReadTheCopiedPicture()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Stripes"), stripes(5));
    w.miCopyPicture_Click();
    QVERIFY(xclip({QStringLiteral("-t"), QStringLiteral("TARGETS"), QStringLiteral("-o")}).contains("image/png"));
    const QByteArray png = xclip({QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-o")});
    const QImage image = QImage::fromData(png, "PNG");
    QCOMPARE(image.size(), QSize(240, 103));
    QCOMPARE(image.depth(), 1);
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), pictureBitmap(stripes(5)).convertToFormat(QImage::Format_RGB32));
}

void TestXClipboard::pictureFromAnotherProgramPastes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stripes.png"));
    QVERIFY(pictureBitmap(stripes(3), 1).save(path, "PNG"));
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    // xclip leaves a process of its own behind that serves the clipboard until another program takes it.
    xclip({QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-i"), path});
    QTRY_VERIFY_WITH_TIMEOUT(w.miPastePicture->isEnabled(), 10000);
    dialogs.modalActions.push_back([](QDialog& dialog) {
        dialog.findChildren<QButtonGroup*>()[2]->button(int(ImportMode::Replace))->click();
        dialog.accept();
    });
    w.miPastePicture_Click();
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(w.grid == stripes(3));
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo Paste Picture"));
}

QTEST_MAIN(TestXClipboard)
#include "tst_xclipboard.moc"
