// File > Import on the main window: the dialog, the preview, the question and what Yes does.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QLabel>
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

}  // namespace

class TestImportCommand : public QObject {
    Q_OBJECT
private slots:
    // Yes places the image's black pixels over the picture and marks it edited; No, a
    // cancelled dialog and a file that cannot be read change nothing. The preview shows
    // only while the question is asked, and nothing else is said.
    void importEndsAsAnswered_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        const QString square = QStringLiteral(PIXORAM_TESTDATA "/import/square.bmp");  // XX. over X.G, G near-black
        QTest::newRow("Yes") << square << true << true;
        QTest::newRow("No") << square << false << true;
        QTest::newRow("cancelled") << QString() << false << false;
        QTest::newRow("not an image") << QStringLiteral(PIXORAM_TESTDATA "/import/refused/text.jpg") << false << false;
    }
    void importEndsAsAnswered()
    {
        QFETCH(QString, path);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        PreviewWatchingDialogs dialogs;
        frmPixoram w(dialogs, QString());
        dialogs.preview = w.Picture2;
        w.show();
        setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
        w.mitool_Click(9);
        w.CurrentTool = 0;
        w.document.plotCell(0, 0, 1);  // a black cell where the image is white stays black
        const CommandState before = commandState(w);
        dialogs.fileAnswers.push_back({path, 1});
        dialogs.messageAnswers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);

        w.miImport_Click();

        QCOMPARE(dialogs.fileRequests.size(), 1);
        const FileDialogRequest& request = dialogs.fileRequests.first();
        QCOMPARE(request.mode, FileDialogRequest::Mode::Open);
        QCOMPARE(request.title, QStringLiteral("Import a picture"));
        QCOMPARE(request.filter, QStringLiteral("Readable files|*.BMP;*.ICO;*.RLE;*.WMF;*.jpg;*.gif"));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.defaultExt, QStringLiteral("BMP"));
        // The shared dialog keeps the default extension for the commands that follow.
        QCOMPARE(w.CMDialog1.defaultExt, QStringLiteral("BMP"));

        QCOMPARE(dialogs.messages.size(), asked ? 1 : 0);
        if (asked) {
            QVERIFY(dialogs.previewVisible);
            QCOMPARE(dialogs.previewSize, QSize(3, 2));
            const MessageRequest& question = dialogs.messages.first();
            QCOMPARE(question.text, path + QString::fromLatin1("\x0A\x0D\x0A\x0D     ...this picture?"));
            QCOMPARE(question.title, QStringLiteral("Import..."));
            QCOMPARE(question.icon, MessageRequest::Icon::None);
            QCOMPARE(question.buttons, MessageRequest::Buttons::YesNo);
        }
        QVERIFY(!w.Picture2->isVisible());
        QCOMPARE(w.CurrentFileName, yes ? QString() : QStringLiteral("/somewhere/old.9xi"));
        QCOMPARE(w.CurrentTool, int16_t(yes ? 1 : 0));
        QVERIFY(w.mitool[9]->isChecked());
        QVERIFY(!w.mitool[1]->isChecked());
        QCOMPARE(commandState(w), (yes ? CommandState{false, false, true, true, true, false, false} : before));
        // 3 x 2 lands at columns 119..121 (offset 119), rows 50..51 (offset 50).
        PictureGrid expected;
        for (QPoint cell : yes ? QList<QPoint>{{0, 0}, {119, 50}, {119, 51}, {120, 50}} : QList<QPoint>{{0, 0}})
            expected.setCell(cell.x(), cell.y(), 1);
        QVERIFY(w.grid == expected);
        QCOMPARE(w.Picture1->image().pixel(cellDotRect(119, 51).center()) == Canvas::kBlack, yes);
    }
};

QTEST_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
