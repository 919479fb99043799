// Snap, Send and Receive driven through the window's handlers against the virtual calculator.
#include "VirtualCalc.h"

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "link/PictureVariableData.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "support/TsvRows.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <optional>

namespace {

const QString kData = QStringLiteral(PIXORAM_TESTDATA);
// Among variables of every other type, the group file holds a 239 x 103 picture and a string; the
// splash is 159 x 77, the stripes a full 240 x 103.
const QStringList kHeldPictures{"--var", kData + "/real/tilibs__ti89_group.89g", "--var",
                                kData + "/real/cst__splash.89i",  "--var", kData + "/link/stripes.9xi"};

// The grid with the black pixels of the picture's top-left area added.
PictureGrid withBlack(PictureGrid grid, const QImage& picture, QSize area)
{
    for (int y = 0; y < std::min(area.height(), picture.height()); ++y) {
        for (int x = 0; x < std::min(area.width(), picture.width()); ++x) {
            if (picture.pixel(x, y) == qRgb(0, 0, 0))
                grid.setCell(x, y, 1);
        }
    }
    return grid;
}

// Enabled Open, Save, Save As and Print, then shown covers of Open, Save and Print.
QString commandMarks(const frmPixoram& w)
{
    QString marks;
    for (bool on : {w.miOpen->isEnabled(), w.miSave->isEnabled(), w.miSaveAs->isEnabled(), w.miPrint->isEnabled(),
                    !w.Image11->isHidden(), !w.Image5->isHidden(), !w.Image8->isHidden()})
        marks += on ? u'X' : u'.';
    return marks;
}

// The values the bar took over one command, taken: it rises through each transfer and is empty
// again after it; when the calculator is slow, it shows the first part of the transfer.
void checkBar(QList<int>& values, const QProgressBar& bar, bool slow)
{
    QVERIFY2(!slow || values.value(0) > 0, "the bar did not move");
    for (qsizetype i = 1; i < values.size(); ++i)
        QVERIFY(values[i] >= values[i - 1] || values[i] == 0);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(bar.maximum(), 100);
    values.clear();
}

}  // namespace

class TestLinkCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { VirtualCalc::cleanLink(); }
    void cleanupTestCase() { VirtualCalc::cleanLink(); }

    void sessionOnOneCable_data();
    void sessionOnOneCable();
    void failureKeepsThePicture_data();
    void failureKeepsThePicture();
};

void TestLinkCommands::sessionOnOneCable_data()
{
    addTsvRows(kData + "/link/session.tsv");
}

// Snap, Send and Receive one after another, then Snap across a crash of the emulator: the
// cable stays attached, and nothing of one exchange may disturb the next.
void TestLinkCommands::sessionOnOneCable()
{
    QFETCH(QString, model);
    QFETCH(QString, pace);
    QFETCH(QString, folder);
    QFETCH(QString, variable);
    QFETCH(QString, shown);
    QFETCH(QString, storedName);
    QFETCH(QString, received);
    QFETCH(QString, receivedPicture);
    const bool ti89 = model == QLatin1String("ti89");
    // The screen's graph area, cut from the screen the calculator holds: all of the picture a TI-89 has.
    const QImage screen(kData + QStringLiteral("/link/%1_graph.pbm").arg(model));
    const QSize area = screen.size();
    const bool slow = pace == QLatin1String("slow");
    const QString screenFile = kData + QStringLiteral("/link/linkguide__%1_screenshot.bin").arg(model);
    QStringList calculator{"--model", ti89 ? "ti89" : "ti92p", "--screen", screenFile};
    if (slow)
        calculator << "--misbehave" << "slow";
    VirtualCalc calc(calculator + kHeldPictures);
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(7, 3, 1);
    w.document.plotCell(239, 102, 1);  // outside the TI-89's area: Send asks first, and is told Yes
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    const PictureGrid before = w.grid;
    setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
    w.Text3->setText(folder);
    w.Text2->setText(variable);
    w.miEmulator_Click();
    if (ti89)
        w.miTI89_Click();
    QList<int> bar;
    connect(w.ProgressBar1, &QProgressBar::valueChanged, this, [&](int value) { bar << value; });

    w.Command1_Click();
    checkBar(bar, *w.ProgressBar1, slow);
    QVERIFY(w.grid == withBlack(before, screen, area));
    QVERIFY2(w.Text1->text().startsWith(QStringLiteral("ScreenShot ")), qPrintable(w.Text1->text()));

    w.Command2_Click();
    checkBar(bar, *w.ProgressBar1, slow);
    QCOMPARE(calc.storedName(), QByteArray::fromPercentEncoding(storedName.toLatin1()));
    QCOMPARE(calc.storedType(), QByteArray(1, char(kPictureTypeCode)));
    QString reason;
    const auto sent = decodePictureVariable(calc.storedData(), reason);
    QVERIFY2(sent && sent->size() == area, qPrintable(reason));
    QVERIFY(withBlack(before, *sent, area) == w.grid);
    QCOMPARE(w.Text3->text() + u'\\' + w.Text2->text(), shown);

    w.CurrentTool = 9;
    setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
    dialogs.pictureAnswers.push_back(received);
    w.miReceive_Click();
    checkBar(bar, *w.ProgressBar1, slow);
    QCOMPARE(dialogs.pictureChoices[0].fullNames, (QStringList{"group\\pic", "cst\\splash", "pics\\moon"}));
    QCOMPARE(dialogs.pictureChoices[0].preselected, shown);
    QVERIFY(w.grid == withBlack(PictureGrid(), QImage(kData + receivedPicture), area));
    QCOMPARE(w.Text3->text() + u'\\' + w.Text2->text(), received);
    QCOMPARE(w.CurrentFileName, QString());
    QVERIFY2(w.Text1->text().startsWith(QStringLiteral("Received ")), qPrintable(w.Text1->text()));
    QVERIFY(w.miOpen->isEnabled() && w.miReceive->isEnabled() && !w.miSave->isEnabled() && w.miSaveAs->isEnabled());
    QVERIFY(!w.miUndo->isEnabled());  // a new picture, a new history
    QCOMPARE(w.CurrentTool, int16_t(0));
    QCOMPARE(w.SavedTool, int16_t(9));
    w.markEdited();  // an edited picture withholds Receive as it withholds Open
    QVERIFY(!w.miReceive->isEnabled());

    calc.crash();
    const PictureGrid afterReceive = w.grid;
    w.Command1_Click();
    QCOMPARE(dialogs.messages.last().text, QStringLiteral("Link Error... check calculator, cable, and Link Settings."));
    VirtualCalc again(calculator, false);  // on the link the crashed one left behind
    QVERIFY(again.isReady());
    w.Command1_Click();
    QCOMPARE(dialogs.messages.size(), ti89 ? 2 : 1);
    QVERIFY(w.grid == withBlack(afterReceive, screen, area));
}

void TestLinkCommands::failureKeepsThePicture_data()
{
    addTsvRows(kData + "/link/failures.tsv");
}

void TestLinkCommands::failureKeepsThePicture()
{
    QFETCH(QString, command);
    QFETCH(QString, calculator);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    const QString action = command.section(u' ', 0, 0);
    const QString choice = command.section(u' ', 1);
    QStringList options = calculator.split(u' ', Qt::SkipEmptyParts);
    if (options.removeAll(QStringLiteral("held")))
        options += kHeldPictures;
    std::optional<VirtualCalc> calc;
    if (options.isEmpty())
        VirtualCalc::cleanLink();
    else
        QVERIFY(calc.emplace(options).isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(3, 4, 1);
    w.document.plotCell(239, 102, 1);  // outside the TI-89's area: Send asks first, and is told Yes
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    const PictureGrid before = w.grid;
    const QString comment = w.Text1->text();
    setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
    const QString marksBefore = commandMarks(w);
    if (choice.startsWith(u'/')) {  // a serial adapter the menu listed, unplugged since
        w.miGray_Click();
        w.miPortDevice_Click(choice);
    } else if (choice != QLatin1String("USB")) {
        w.miEmulator_Click();
    }
    if (choice == QLatin1String("TI-89"))
        w.miTI89_Click();
    w.Text2->setText(name);
    dialogs.pictureAnswers.push_back(name);

    const QHash<QString, void (frmPixoram::*)()> handlers{{"snap", &frmPixoram::Command1_Click},
                                                          {"send", &frmPixoram::Command2_Click},
                                                          {"receive", &frmPixoram::miReceive_Click}};
    (w.*handlers[action])();

    QCOMPARE(dialogs.messages.size(), command == QLatin1String("send TI-89") ? 2 : 1);
    const MessageRequest& shown = dialogs.messages.back();
    QCOMPARE(shown.text, message);
    const bool absent = reason.startsWith(u'!');
    QVERIFY2(!shown.detailedText.isEmpty() && shown.detailedText.contains(reason.mid(absent)) != absent,
             qPrintable(shown.detailedText));
    QVERIFY(shown.title.isEmpty() && shown.icon == MessageRequest::Icon::None);
    QVERIFY(shown.buttons == MessageRequest::Buttons::Ok);
    QVERIFY(w.grid == before);
    QCOMPARE(w.Text1->text(), comment);
    QCOMPARE(w.Command2->text(), QStringLiteral("Send"));
    QCOMPARE(w.ProgressBar1->value(), 0);
    QCOMPARE(w.ProgressBar1->maximum(), 100);
    if (calc)
        QCOMPARE(calc->storedData(), QByteArray());
    // A screenshot, failed or not, leaves only the Print cover; the other commands change nothing.
    QCOMPARE(commandMarks(w), action == QLatin1String("snap") ? QStringLiteral("..XX..X") : marksBefore);
    QCOMPARE(w.CurrentFileName.isEmpty(), action == QLatin1String("snap"));
}

QTEST_MAIN(TestLinkCommands)
#include "tst_linkcommands.moc"
