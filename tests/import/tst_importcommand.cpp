// File > Import on the main window: the dialog, the preview, the question and what Yes does.
#include "ImageFiles.h"
#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records what the preview showed while the question was asked.
class PreviewWatchingDialogs : public ScriptedDialogs {
public:
    QLabel* preview = nullptr;
    bool previewVisible = false;
    QSize previewSize;

    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override
    {
        previewVisible = preview->isVisible();
        previewSize = preview->size();
        return ScriptedDialogs::showMessage(parent, request);
    }
};

struct CommandState {
    bool open, save, saveAs, print, cover11, cover5, cover8;
    bool operator==(const CommandState&) const = default;
};

CommandState commandState(const frmPixoram& w)
{
    return {w.miOpen->isEnabled(), w.miSave->isEnabled(), w.miSaveAs->isEnabled(), w.miPrint->isEnabled(),
            w.Image11->isVisibleTo(&w), w.Image5->isVisibleTo(&w), w.Image8->isVisibleTo(&w)};
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

}  // namespace

class TestImportCommand : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void yesPlacesTheBlackPixelsAndMarksThePictureEdited()
    {
        PreviewWatchingDialogs dialogs;
        frmPixoram w(dialogs, QString());
        dialogs.preview = w.Picture2;
        w.show();
        setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
        w.mitool_Click(9);
        w.CurrentTool = 0;
        w.document.plotCell(0, 0, 1);  // a black cell where the image is white stays black
        const QString path = writeFile(dir, "square.bmp", bitmapFile({"XX.", "X.G"}, 24));
        dialogs.fileAnswers.push_back({path, 1});
        dialogs.messageAnswers.push_back(MessageAnswer::Yes);

        w.miImport_Click();

        QCOMPARE(dialogs.fileRequests.size(), 1);
        const FileDialogRequest& request = dialogs.fileRequests.first();
        QCOMPARE(request.mode, FileDialogRequest::Mode::Open);
        QCOMPARE(request.title, QStringLiteral("Import a picture"));
        QCOMPARE(request.filter, QStringLiteral("Readable files|*.BMP;*.ICO;*.RLE;*.WMF;*.jpg;*.gif"));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.defaultExt, QStringLiteral("BMP"));

        QVERIFY(dialogs.previewVisible);
        QCOMPARE(dialogs.previewSize, QSize(3, 2));
        QCOMPARE(dialogs.messages.size(), 1);
        const MessageRequest& question = dialogs.messages.first();
        QCOMPARE(question.text, path + QString::fromLatin1("\x0A\x0D\x0A\x0D     ...this picture?"));
        QCOMPARE(question.title, QStringLiteral("Import..."));
        QCOMPARE(question.icon, MessageRequest::Icon::None);
        QCOMPARE(question.buttons, MessageRequest::Buttons::YesNo);

        QVERIFY(!w.Picture2->isVisible());
        QCOMPARE(w.CurrentFileName, QString());
        QCOMPARE(w.CurrentTool, int16_t(1));
        QVERIFY(w.mitool[9]->isChecked());
        QVERIFY(!w.mitool[1]->isChecked());
        QCOMPARE(commandState(w), (CommandState{false, false, true, true, true, false, false}));
        // 3 x 2 lands at columns 119..121 (offset 119), rows 50..51 (offset 50).
        QList<QPoint> black;
        for (int x = 0; x < kColumns; ++x)
            for (int y = 0; y < kRows; ++y)
                if (w.grid.isSet(x, y))
                    black << QPoint(x, y);
        QCOMPARE(black, (QList<QPoint>{{0, 0}, {119, 50}, {119, 51}, {120, 50}}));
        QCOMPARE(w.Picture1->image().pixel(cellDotRect(119, 51).center()), Canvas::kBlack);
    }

    // No, a cancelled dialog and a file that cannot be read change nothing but
    // leave the preview hidden, and say nothing beyond the question.
    void everyOtherEndingChangesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("asked");
        const QString picture = writeFile(dir, "picture.gif", gifFile({"XX", "XX"}));
        QTest::newRow("No") << picture << true;
        QTest::newRow("cancelled") << QString() << false;
        QTest::newRow("missing") << dir.filePath("gone.bmp") << false;
        QTest::newRow("empty") << writeFile(dir, "empty.bmp", QByteArray()) << false;
        QTest::newRow("not an image") << writeFile(dir, "notes.jpg", "some text") << false;
        QTest::newRow("truncated") << writeFile(dir, "cut.bmp", bitmapFile({"XXXX", "XXXX"}, 24).chopped(6)) << false;
    }
    void everyOtherEndingChangesNothing()
    {
        QFETCH(QString, path);
        QFETCH(bool, asked);
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        setFileName(w.document, QStringLiteral("/somewhere/old.92i"));
        w.markFileLoaded();
        w.document.plotCell(5, 5, 1);
        const PictureGrid grid = w.grid;
        const CommandState state = commandState(w);
        dialogs.fileAnswers.push_back({path, 1});
        dialogs.messageAnswers.push_back(MessageAnswer::No);

        w.miImport_Click();

        QCOMPARE(dialogs.messages.size(), asked ? 1 : 0);
        QVERIFY(!w.Picture2->isVisible());
        QVERIFY(w.grid == grid);
        QCOMPARE(commandState(w), state);
        QCOMPARE(w.CurrentTool, int16_t(0));
        QCOMPARE(w.CurrentFileName, QStringLiteral("/somewhere/old.92i"));
    }

    // The shared dialog keeps the default extension for the commands that follow.
    void defaultExtensionStaysOnTheSharedDialog()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        w.miImport_Click();
        QCOMPARE(w.CMDialog1.defaultExt, QStringLiteral("BMP"));
        QCOMPARE(w.CMDialog1.filterIndex, 1);
    }
};

QTEST_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
