// Copy Picture and Paste Picture against a real X clipboard, with xclip as the other program.
// Runs under its own X server (see CMakeLists.txt).
#include "app/frmPixoram.h"
#include "files/PicturePng.h"
#include "support/ScriptedDialogs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtWidgets>
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

// Runs xclip on the clipboard to its end while this program's event loop serves the clipboard it owns.
QByteArray xclip(const QString& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xclip"), QStringLiteral("-selection clipboard ").append(arguments).split(' '));
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
        process.kill();
    return process.readAllStandardOutput();
}

}  // namespace

class TestXClipboard : public QObject {
    Q_OBJECT
private slots:
    // Other programs read the copied picture, and a picture another program copied pastes.
    void pictureGoesBothWays()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        w.changePicture(QStringLiteral("Stripes"), stripes(5));
        w.miCopyPicture_Click();
        const QImage image = QImage::fromData(xclip(QStringLiteral("-t image/png -o")), "PNG");
        QCOMPARE(image.depth(), 1);
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
                 pictureBitmap(stripes(5)).convertToFormat(QImage::Format_RGB32));

        QTemporaryDir dir;
        QVERIFY(pictureBitmap(stripes(3), 1).save(dir.filePath(QStringLiteral("stripes.png")), "PNG"));
        // xclip leaves a process of its own behind that serves the clipboard until another program takes it.
        xclip(QStringLiteral("-t image/png -i ") + dir.filePath(QStringLiteral("stripes.png")));
        QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::clipboard()->ownsClipboard(), 10000);
        QTRY_VERIFY(w.miPastePicture->isEnabled());
        dialogs.modalActions.push_back([](QDialog& dialog) {
            dialog.findChildren<QButtonGroup*>()[2]->button(int(ImportMode::Replace))->click();
            dialog.accept();
        });
        w.miPastePicture_Click();
        QVERIFY(w.grid == stripes(3));
        QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo Paste Picture"));
    }
};

QTEST_MAIN(TestXClipboard)
#include "tst_xclipboard.moc"
