// Snap and Send driven through the window's handlers against the virtual calculator.
#include "VirtualCalc.h"

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "link/PictureVariableData.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <optional>

namespace {

const QString kLinkError = QStringLiteral("Link Error... check calculator, cable, and Link Settings.");
const QString kSendError = QStringLiteral("Error sending... check folder, var, cable, and calculator");

QString screenPath(const QString& model)
{
    return QStringLiteral(PIXORAM_TESTDATA "/link/linkguide__%1_screenshot.bin").arg(model);
}

QByteArray readScreen(const QString& model)
{
    QFile file(screenPath(model));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A screen bit: 30 bytes a row, leftmost pixel in the high bit, 1 = black.
bool screenBit(const QByteArray& screen, int x, int y)
{
    return static_cast<uint8_t>(screen[y * 30 + x / 8]) & (0x80 >> (x % 8));
}

// "" when every cell of the grid is as expected(x, y) says, else the first one that is not.
QString cellsDiffering(const PictureGrid& grid, const std::function<bool(int, int)>& expected)
{
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (grid.isSet(x, y) != expected(x, y))
                return QStringLiteral("cell %1, %2 differs").arg(x).arg(y);
        }
    }
    return QString();
}

// Diagonal stripes, so that rows and columns cannot be swapped unnoticed.
void drawStripes(PictureDocument& document)
{
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, (x + 2 * y) % 7 == 0 ? 1 : 0);
    }
    drawCells(document, grid);
}

struct CommandState {
    bool open, save, saveAs, print, openCover, saveCover, printCover;
    bool operator==(const CommandState&) const = default;
};

CommandState commandState(const frmPixoram& w)
{
    return {w.miOpen->isEnabled(),     w.miSave->isEnabled(),     w.miSaveAs->isEnabled(), w.miPrint->isEnabled(),
            !w.Image11->isHidden(), !w.Image5->isHidden(), !w.Image8->isHidden()};
}

QImage gridImage(const PictureGrid& grid)
{
    QImage image(kColumns, kRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (grid.isSet(x, y))
                image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return image;
}

// Start-up, then a screenshot: only the Print cover stays.
const CommandState kAfterScreenshotFromEmpty{false, false, true, true, false, false, true};

}  // namespace

class TestSnapSend : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { VirtualCalc::cleanLink(); }
    void cleanupTestCase() { VirtualCalc::cleanLink(); }

    void snapCopiesScreenRows18To120_data();
    void snapCopiesScreenRows18To120();
    void sendStoresTheGridAsPictureVariable_data();
    void sendStoresTheGridAsPictureVariable();
    void snapTwiceThenSendOnOneLink();
    void snapAgainOnceTheCrashedEmulatorIsBack();
    void snapFailureEndsInLinkError_data();
    void snapFailureEndsInLinkError();
    void sendFailureEndsInSendError_data();
    void sendFailureEndsInSendError();
    void ti89SnapAndSend();
};

void TestSnapSend::snapCopiesScreenRows18To120_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("pictureBefore");
    QTest::newRow("TI-92 Plus screen onto an empty picture") << "ti92+" << false;
    QTest::newRow("Voyage 200 screen onto an empty picture") << "v200" << false;
    QTest::newRow("TI-92 screen onto a striped picture: black cells stay") << "ti92" << true;
}

void TestSnapSend::snapCopiesScreenRows18To120()
{
    QFETCH(QString, model);
    QFETCH(bool, pictureBefore);
    const QByteArray screen = readScreen(model);
    QCOMPARE(screen.size(), 3840);
    VirtualCalc calc({QStringLiteral("--screen"), screenPath(model)});
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (pictureBefore)
        drawStripes(w.document);
    const PictureGrid before = w.grid;
    setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
    w.statusPanel1->setText(w.CurrentFileName);

    w.miEmulator_Click();
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    w.Command1_Click();
    const QDateTime end = QDateTime::currentDateTime().addSecs(1);

    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(cellsDiffering(w.grid, [&](int x, int y) { return before.isSet(x, y) || screenBit(screen, x, y + 18); }),
             QString());
    QVERIFY(commandState(w) == kAfterScreenshotFromEmpty);
    QCOMPARE(w.CurrentTool, int16_t(1));
    QCOMPARE(w.CurrentFileName, QString());
    QCOMPARE(w.statusPanel1->text(), QString());
    const QRegularExpressionMatch comment =
        QRegularExpression(QStringLiteral("^ScreenShot (\\d\\d-\\d\\d-\\d{4}, \\d\\d:\\d\\d:\\d\\d)$"))
            .match(w.Text1->text());
    QVERIFY2(comment.hasMatch(), qPrintable(w.Text1->text()));
    const QDateTime stamped = QDateTime::fromString(comment.captured(1), QStringLiteral("MM-dd-yyyy, HH:mm:ss"));
    QVERIFY(stamped >= start.addMSecs(-start.time().msec()) && stamped <= end);
}

void TestSnapSend::sendStoresTheGridAsPictureVariable_data()
{
    QTest::addColumn<bool>("striped");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QByteArray>("storedName");
    QTest::newRow("all white, both names empty: main\\picture") << false << "" << "" << QByteArray("main\\picture");
    QTest::newRow("stripes, names as typed") << true << "pics" << "moon2" << QByteArray("pics\\moon2");
    QTest::newRow("Greek letters become calculator codes")
        << true << QString::fromUtf8("αβ") << QString::fromUtf8("π") << QByteArray("\x80\x81\\\x8C");
}

void TestSnapSend::sendStoresTheGridAsPictureVariable()
{
    QFETCH(bool, striped);
    QFETCH(QString, folder);
    QFETCH(QString, variable);
    QFETCH(QByteArray, storedName);
    VirtualCalc calc({});
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (striped)
        drawStripes(w.document);
    w.Text3->setText(folder);
    w.Text2->setText(variable);
    const PictureGrid before = w.grid;
    const CommandState stateBefore = commandState(w);

    w.miEmulator_Click();
    w.Command2_Click();

    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(calc.storedName(), storedName);
    QCOMPARE(calc.storedType(), QByteArray(1, char(kPictureTypeCode)));
    QString reason;
    const auto picture = decodePictureVariable(calc.storedData(), reason);
    QVERIFY2(picture, qPrintable(reason));
    QVERIFY(*picture == gridImage(before));
    QVERIFY(w.grid == before);
    QVERIFY(commandState(w) == stateBefore);
    QCOMPARE(w.Command2->text(), QStringLiteral("Send"));
    if (folder.isEmpty())
        QCOMPARE(w.Text3->text(), QStringLiteral("main"));
    if (variable.isEmpty())
        QCOMPARE(w.Text2->text(), QStringLiteral("picture"));
}

// The cable stays attached between transfers: nothing of one exchange may disturb the next.
void TestSnapSend::snapTwiceThenSendOnOneLink()
{
    VirtualCalc calc({QStringLiteral("--screen"), screenPath(QStringLiteral("ti92+"))});
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miEmulator_Click();
    w.Command1_Click();
    const PictureGrid snapped = w.grid;
    w.ClearPicture();
    w.Command1_Click();
    QVERIFY(w.grid == snapped);
    w.Command2_Click();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QString reason;
    const auto picture = decodePictureVariable(calc.storedData(), reason);
    QVERIFY2(picture, qPrintable(reason));
    QVERIFY(*picture == gridImage(snapped));
}

// The cable stays attached while the emulator crashes and starts again.
void TestSnapSend::snapAgainOnceTheCrashedEmulatorIsBack()
{
    VirtualCalc first({QStringLiteral("--screen"), screenPath(QStringLiteral("ti92+"))});
    QVERIFY(first.isReady());
    std::optional<VirtualCalc> second;
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miEmulator_Click();
    w.Command1_Click();
    QVERIFY(dialogs.messages.isEmpty());

    first.crash();
    w.ClearPicture();
    w.Command1_Click();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, kLinkError);

    second.emplace(QStringList{QStringLiteral("--screen"), screenPath(QStringLiteral("v200"))}, false);
    QVERIFY(second->isReady());
    w.Command1_Click();
    QCOMPARE(dialogs.messages.size(), 1);
    const QByteArray screen = readScreen(QStringLiteral("v200"));
    QCOMPARE(cellsDiffering(w.grid, [&](int x, int y) { return screenBit(screen, x, y + 18); }), QString());
}

void TestSnapSend::snapFailureEndsInLinkError_data()
{
    QTest::addColumn<QStringList>("calculator");  // empty: no calculator at all
    QTest::addColumn<bool>("emulator");           // false: the start-up USB cable
    QTest::addColumn<bool>("ti89");               // the TI-89 chosen, and played
    const QString misbehave = QStringLiteral("--misbehave");
    QTest::newRow("no SilverLink cable plugged in") << QStringList() << false << false;
    QTest::newRow("no emulator on the virtual link") << QStringList() << true << false;
    QTest::newRow("calculator does not answer") << QStringList{misbehave, "silent"} << true << false;
    QTest::newRow("calculator dies in the middle of the screen") << QStringList{misbehave, "die"} << true << false;
    QTest::newRow("calculator answers garbage") << QStringList{misbehave, "garbage"} << true << false;
    QTest::newRow("calculator trickles the screen byte by byte") << QStringList{misbehave, "trickle"} << true << false;
    QTest::newRow("TI-89: dies in the middle of the screen") << QStringList{misbehave, "die"} << true << true;
    QTest::newRow("TI-89: answers garbage") << QStringList{misbehave, "garbage"} << true << true;
}

void TestSnapSend::snapFailureEndsInLinkError()
{
    QFETCH(QStringList, calculator);
    QFETCH(bool, emulator);
    QFETCH(bool, ti89);
    std::optional<VirtualCalc> calc;
    if (!calculator.isEmpty()) {
        calc.emplace(calculator + QStringList{QStringLiteral("--screen"), screenPath(QStringLiteral("ti92+")),
                                              QStringLiteral("--model"), ti89 ? "ti89" : "ti92p"});
        QVERIFY(calc->isReady());
    }
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (ti89)
        w.miTI89_Click();
    drawStripes(w.document);
    const PictureGrid before = w.grid;
    const QString comment = w.Text1->text();
    setFileName(w.document, QStringLiteral("/somewhere/old.9xi"));
    if (emulator)
        w.miEmulator_Click();

    w.Command1_Click();

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, kLinkError);
    QVERIFY(!dialogs.messages[0].detailedText.isEmpty());
    QCOMPARE(dialogs.messages[0].title, QString());
    QVERIFY(dialogs.messages[0].icon == MessageRequest::Icon::None);
    QVERIFY(dialogs.messages[0].buttons == MessageRequest::Buttons::Ok);
    QVERIFY(w.grid == before);
    QVERIFY(commandState(w) == kAfterScreenshotFromEmpty);
    QCOMPARE(w.CurrentTool, int16_t(1));
    QCOMPARE(w.CurrentFileName, QString());
    QCOMPARE(w.Text1->text(), comment);
}

void TestSnapSend::sendFailureEndsInSendError_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QStringList>("calculator");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<bool>("ti89");  // the TI-89 chosen (and Yes to the cells left out), and played
    const QString misbehave = QStringLiteral("--misbehave");
    const QString ok = QStringLiteral("picture");
    QTest::newRow("no emulator on the virtual link") << false << QStringList() << ok << false;
    QTest::newRow("calculator does not answer") << true << QStringList{misbehave, "silent"} << ok << false;
    QTest::newRow("calculator dies in the middle of the variable") << true << QStringList{misbehave, "die"} << ok << false;
    QTest::newRow("calculator answers garbage") << true << QStringList{misbehave, "garbage"} << ok << false;
    QTest::newRow("calculator refuses the variable") << true << QStringList{misbehave, "refuse"} << ok << false;
    QTest::newRow("calculator trickles its answers") << true << QStringList{misbehave, "trickle"} << ok << false;
    QTest::newRow("name with a character the calculator lacks")
        << true << QStringList() << QString::fromUtf8("pic€") << false;
    QTest::newRow("TI-89: dies in the middle of the variable") << true << QStringList{misbehave, "die"} << ok << true;
    QTest::newRow("TI-89: refuses the variable") << true << QStringList{misbehave, "refuse"} << ok << true;
}

void TestSnapSend::sendFailureEndsInSendError()
{
    QFETCH(bool, present);
    QFETCH(QStringList, calculator);
    QFETCH(QString, variable);
    QFETCH(bool, ti89);
    std::optional<VirtualCalc> calc;
    if (present) {
        calc.emplace(calculator + QStringList{QStringLiteral("--model"), ti89 ? "ti89" : "ti92p"});
        QVERIFY(calc->isReady());
    }
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (ti89) {
        w.miTI89_Click();
        dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    }
    drawStripes(w.document);
    w.Text2->setText(variable);
    const PictureGrid before = w.grid;
    const CommandState stateBefore = commandState(w);
    w.miEmulator_Click();

    w.Command2_Click();

    QCOMPARE(dialogs.messages.size(), ti89 ? 2 : 1);
    const MessageRequest& shown = dialogs.messages.back();
    QCOMPARE(shown.text, kSendError);
    QVERIFY(!shown.detailedText.isEmpty());
    QCOMPARE(shown.title, QString());
    QVERIFY(shown.icon == MessageRequest::Icon::None);
    QCOMPARE(w.Command2->text(), QStringLiteral("Send"));
    QVERIFY(w.grid == before);
    QVERIFY(commandState(w) == stateBefore);
    if (calc)
        QCOMPARE(calc->storedData(), QByteArray());
}

// With the TI-89 chosen, Snap takes its graph area (rows 16 to 92, columns 0 to 158) with the
// TI-89's protocol, and Send stores the top-left 159 x 77 cells once the user accepts leaving
// out the black cells beyond them.
void TestSnapSend::ti89SnapAndSend()
{
    const QByteArray screen = readScreen(QStringLiteral("ti89"));
    QCOMPARE(screen.size(), 3840);
    VirtualCalc calc({QStringLiteral("--model"), QStringLiteral("ti89"), QStringLiteral("--screen"),
                      screenPath(QStringLiteral("ti89"))});
    QVERIFY(calc.isReady());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drawStripes(w.document);
    const PictureGrid before = w.grid;
    w.miEmulator_Click();
    w.miTI89_Click();

    w.Command1_Click();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(cellsDiffering(w.grid,
                            [&](int x, int y) {
                                return before.isSet(x, y) || (x < 159 && y < 77 && screenBit(screen, x, y + 16));
                            }),
             QString());
    QVERIFY(w.Text1->text().startsWith(QStringLiteral("ScreenShot ")));

    dialogs.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    w.Command2_Click();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].buttons, MessageRequest::Buttons::YesNo);
    QVERIFY2(dialogs.messages[0].text.contains(QStringLiteral("will not be sent")), qPrintable(dialogs.messages[0].text));
    QCOMPARE(calc.storedData(), QByteArray());

    w.Command2_Click();
    QCOMPARE(dialogs.messages.size(), 2);
    QString reason;
    const auto picture = decodePictureVariable(calc.storedData(), reason);
    QVERIFY2(picture, qPrintable(reason));
    QCOMPARE(*picture, gridImage(w.grid).copy(0, 0, 159, 77));
    QCOMPARE(w.Command2->text(), QStringLiteral("Send"));
}

QTEST_MAIN(TestSnapSend)
#include "tst_snapsend.moc"
