// Receive, and the progress of every transfer, against the virtual calculator:
// the link component's own results, then the window's command.
#include "VirtualCalc.h"

#include "app/frmPixoram.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "link/PictureVariableData.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QtTest>

#include <optional>

namespace {

const QString kReceiveError = QStringLiteral("Error receiving... check folder, var, cable, and calculator");
// The group file holds, among variables of every other type, a 239 x 103 picture and a string.
const QString kGroupFile = QStringLiteral(PIXORAM_TESTDATA "/real/tilibs__ti89_group.89g");
const QString kSmallPictureFile = QStringLiteral(PIXORAM_TESTDATA "/real/cst__splash.89i");

// Diagonal stripes over the whole 240 x 103, so that rows and columns cannot be swapped unnoticed.
QImage stripes()
{
    QImage image(kColumns, kRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if ((x + 2 * y) % 7 == 0)
                image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return image;
}

// A picture file of the stripes, as pics\moon.
QString writeStripesFile(const QTemporaryDir& dir)
{
    CalcModel files(CalcKind::TI92Plus);
    CalcVariable variable;
    variable.SetName(QStringLiteral("pics\\moon"));
    variable.SetPicture(stripes());
    variable.SetFileName(dir.filePath(QStringLiteral("moon.9xi")));
    return files.WriteFile(variable).ok() ? variable.fileName() : QString();
}

struct Progress {
    QList<int64_t> done;
    QList<int64_t> total;
};

// "" when done never went down and ended at its total.
QString progressFault(const Progress& seen)
{
    if (seen.done.isEmpty() || !std::is_sorted(seen.done.begin(), seen.done.end()) ||
        !std::is_sorted(seen.total.begin(), seen.total.end()) || seen.done.last() != seen.total.last())
        return QStringLiteral("reported %1 of %2").arg(seen.done.size()).arg(seen.total.value(seen.total.size() - 1));
    return QString();
}

}  // namespace

class TestReceive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { VirtualCalc::cleanLink(); }

    void receiveEndsInPictureOrReason_data();
    void receiveEndsInPictureOrReason();
    void progressRisesToTheTotal_data();
    void progressRisesToTheTotal();
    void receiveReplacesThePictureAsOpenDoes();
    void failureKeepsThePictureAndEmptiesTheBar_data();
    void failureKeepsThePictureAndEmptiesTheBar();
    void barMovesDuringASlowSendAndEmptiesAfter();
    void ti89ReceivesItsPictureTopLeft();

private:
    QTemporaryDir files_;
    QString stripesFile_;
};

void TestReceive::initTestCase()
{
    VirtualCalc::cleanLink();
    stripesFile_ = writeStripesFile(files_);
    QVERIFY(!stripesFile_.isEmpty());
}

void TestReceive::receiveEndsInPictureOrReason_data()
{
    QTest::addColumn<QStringList>("misbehaviour");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");       // invalid: the receive fails
    QTest::addColumn<QString>("reason");   // a part of the failure's reason
    const QString misbehave = QStringLiteral("--misbehave");
    QTest::newRow("full-size picture") << QStringList() << "pics\\moon" << QSize(240, 103) << "";
    QTest::newRow("picture narrower than the screen") << QStringList() << "group\\pic" << QSize(239, 103) << "";
    QTest::newRow("small picture") << QStringList() << "cst\\splash" << QSize(159, 77) << "";
    QTest::newRow("missing name") << QStringList() << "main\\nothere" << QSize() << "does not exist";
    QTest::newRow("a string, not a picture") << QStringList() << "group\\str" << QSize() << "not a picture";
    QTest::newRow("calculator does not answer") << QStringList{misbehave, "silent"} << "pics\\moon" << QSize() << "";
    QTest::newRow("calculator dies halfway") << QStringList{misbehave, "die"} << "pics\\moon" << QSize() << "";
    QTest::newRow("calculator answers garbage") << QStringList{misbehave, "garbage"} << "pics\\moon" << QSize() << "";
    QTest::newRow("calculator refuses") << QStringList{misbehave, "refuse"} << "pics\\moon" << QSize() << "";
    QTest::newRow("calculator trickles its answer") << QStringList{misbehave, "trickle"} << "pics\\moon" << QSize()
                                                     << "";
}

void TestReceive::receiveEndsInPictureOrReason()
{
    QFETCH(QStringList, misbehaviour);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QString, reason);
    VirtualCalc calc(misbehaviour + QStringList{QStringLiteral("--var"), kGroupFile, QStringLiteral("--var"),
                                                stripesFile_, QStringLiteral("--var"), kSmallPictureFile});
    QVERIFY(calc.isReady());
    CalcModel model(CalcKind::TI92Plus);
    model.SetLink(7, QString());
    CalcVariable variable;
    variable.SetName(name);

    const LinkResult result = model.ReceiveVariable(variable);

    QCOMPARE(result.ok(), size.isValid());
    if (!result.ok()) {
        QVERIFY2(result.message().contains(reason), qPrintable(result.message()));
        QVERIFY(variable.GetPicture().isNull());
        return;
    }
    QCOMPARE(variable.GetName(), name);
    QCOMPARE(variable.GetPicture().size(), size);
    if (name == QLatin1String("pics\\moon"))
        QVERIFY(variable.GetPicture().convertToFormat(QImage::Format_RGB32) == stripes());
}

void TestReceive::progressRisesToTheTotal_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QStringList>("misbehaviour");
    QTest::newRow("receive") << "receive" << QStringList();
    QTest::newRow("slow receive") << "receive" << QStringList{"--misbehave", "slow"};
    QTest::newRow("send") << "send" << QStringList();
    QTest::newRow("screen") << "screen" << QStringList();
}

void TestReceive::progressRisesToTheTotal()
{
    QFETCH(QString, transfer);
    QFETCH(QStringList, misbehaviour);
    VirtualCalc calc(misbehaviour + QStringList{QStringLiteral("--var"), stripesFile_});
    QVERIFY(calc.isReady());
    CalcModel model(CalcKind::TI92Plus);
    model.SetLink(7, QString());
    Progress seen;
    model.SetProgress([&](int64_t done, int64_t total) {
        seen.done << done;
        seen.total << total;
    });
    CalcVariable variable;
    variable.SetName(QStringLiteral("pics\\moon"));
    variable.SetPicture(stripes());
    const LinkResult result = transfer == QLatin1String("receive") ? model.ReceiveVariable(variable)
                              : transfer == QLatin1String("send")  ? model.SendVariable(variable)
                                                                   : model.GetScreen(variable);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(progressFault(seen), QString());
    QVERIFY2(seen.done.size() > 2, "the bar would jump from empty to full");
}

void TestReceive::receiveReplacesThePictureAsOpenDoes()
{
    VirtualCalc calc({QStringLiteral("--var"), kGroupFile, QStringLiteral("--var"), kSmallPictureFile,
                      QStringLiteral("--var"), stripesFile_});
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(239, 102, 1);  // outside the small picture: must be cleared
    w.document.setFile(QStringLiteral("/somewhere/old.9xi"), QStringLiteral("/somewhere/old.9xi"));
    w.Text2->setText(QStringLiteral("moon"));
    w.Text3->setText(QStringLiteral("pics"));
    w.CurrentTool = 9;
    w.miEmulator_Click();
    dialogs.pictureAnswers.push_back(QStringLiteral("cst\\splash"));

    w.miReceive_Click();

    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).detailedText));
    QCOMPARE(dialogs.pictureChoices.size(), 1);
    QCOMPARE(dialogs.pictureChoices[0].fullNames, (QStringList{"group\\pic", "cst\\splash", "pics\\moon"}));
    QCOMPARE(dialogs.pictureChoices[0].preselected, QStringLiteral("pics\\moon"));
    QCOMPARE(w.Text3->text(), QStringLiteral("cst"));
    QCOMPARE(w.Text2->text(), QStringLiteral("splash"));
    QVERIFY(!w.grid.isSet(239, 102));
    QVERIFY(!w.miUndo->isEnabled());  // a new picture, a new history
    int set = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            set += w.grid.isSet(x, y);
            QVERIFY2(!w.grid.isSet(x, y) || (x < 159 && y < 77), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
    }
    QVERIFY(set > 0);
    QCOMPARE(w.CurrentFileName, QString());
    QCOMPARE(w.statusPanel1->text(), QString());
    QVERIFY2(QRegularExpression(QStringLiteral("^Received \\d\\d-\\d\\d-\\d{4}, \\d\\d:\\d\\d:\\d\\d$"))
                 .match(w.Text1->text())
                 .hasMatch(),
             qPrintable(w.Text1->text()));
    QVERIFY(w.miOpen->isEnabled() && w.miReceive->isEnabled() && !w.miSave->isEnabled() && w.miSaveAs->isEnabled());
    QCOMPARE(w.CurrentTool, int16_t(0));
    QCOMPARE(w.SavedTool, int16_t(9));
    QCOMPARE(w.ProgressBar1->value(), 0);

    // An edited picture withholds Receive as it withholds Open.
    w.markEdited();
    QVERIFY(!w.miReceive->isEnabled());
    w.markSaved();
    QVERIFY(w.miReceive->isEnabled());
}

void TestReceive::failureKeepsThePictureAndEmptiesTheBar_data()
{
    QTest::addColumn<QStringList>("calculator");  // empty: no calculator at all
    QTest::addColumn<bool>("send");               // false: Receive
    QTest::addColumn<QString>("message");
    const QStringList moon{QStringLiteral("--var"), stripesFile_};
    const QString sendError = QStringLiteral("Error sending... check folder, var, cable, and calculator");
    QTest::newRow("receive, no emulator") << QStringList() << false << kReceiveError;
    QTest::newRow("receive, no answer") << QStringList{"--misbehave", "silent"} + moon << false << kReceiveError;
    QTest::newRow("receive, no picture held") << QStringList{"--lifetime", "60"} << false << kReceiveError;
    QTest::newRow("send, calculator dies after the data") << QStringList{"--misbehave", "die"} << true << sendError;
}

void TestReceive::failureKeepsThePictureAndEmptiesTheBar()
{
    QFETCH(QStringList, calculator);
    QFETCH(bool, send);
    QFETCH(QString, message);
    std::optional<VirtualCalc> calc;
    if (!calculator.isEmpty()) {
        calc.emplace(calculator);
        QVERIFY(calc->isReady());
    }
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(3, 4, 1);
    const PictureGrid before = w.grid;
    const QString comment = w.Text1->text();
    w.miEmulator_Click();
    dialogs.pictureAnswers.push_back(QStringLiteral("pics\\moon"));

    send ? w.Command2_Click() : w.miReceive_Click();

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, message);
    QVERIFY(!dialogs.messages[0].detailedText.isEmpty());
    QVERIFY(w.grid == before);
    QCOMPARE(w.Text1->text(), comment);
    QCOMPARE(w.ProgressBar1->value(), 0);
    QCOMPARE(w.ProgressBar1->maximum(), 100);
}

// The data is out at once on the virtual link; the bar shows it while the calculator takes its time.
void TestReceive::barMovesDuringASlowSendAndEmptiesAfter()
{
    VirtualCalc calc({QStringLiteral("--misbehave"), QStringLiteral("slow")});
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.document.plotCell(1, 1, 1);
    w.miEmulator_Click();
    QList<int> values;
    connect(w.ProgressBar1, &QProgressBar::valueChanged, this, [&](int value) { values << value; });

    w.Command2_Click();

    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY2(values.size() >= 2 && values.first() > 0, "the bar did not move");
    QVERIFY(std::is_sorted(values.begin(), values.end() - 1));
    QCOMPARE(w.ProgressBar1->value(), 0);
    QCOMPARE(w.ProgressBar1->maximum(), 100);
}

// With the TI-89 chosen, Receive asks a TI-89 and places its 159 x 77 picture top-left.
void TestReceive::ti89ReceivesItsPictureTopLeft()
{
    VirtualCalc calc({QStringLiteral("--model"), QStringLiteral("ti89"), QStringLiteral("--var"), kSmallPictureFile});
    QVERIFY(calc.isReady());
    CalcVariable original;
    original.SetFileName(kSmallPictureFile);
    QVERIFY(CalcModel(CalcKind::TI89).ReadFile(original).ok());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miEmulator_Click();
    w.miTI89_Click();
    dialogs.pictureAnswers.push_back(QStringLiteral("cst\\splash"));

    w.miReceive_Click();

    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).detailedText));
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x)
            QCOMPARE(w.grid.isSet(x, y), x < 159 && y < 77 && original.GetPicture().pixel(x, y) == qRgb(0, 0, 0));
    }
    QVERIFY(w.miTI89->isChecked());
}

QTEST_MAIN(TestReceive)
#include "tst_receive.moc"
