// Snap and Send with the TI-89 chosen, against a TiEmu running PedroM on the far end of the
// virtual link. Run by tools/tiemu-check.sh, which starts the emulator; on its own it skips.
#include "app/frmPixoram.h"
#include "link/CableChoice.h"
#include "link/LinkConnection.h"
#include "link/PictureVariableData.h"
#include "picture/WorkPicture.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"

#include <QLineEdit>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

bool emulatorRunning()
{
    return qEnvironmentVariableIsSet("PIXORAM_TIEMU");
}

// The emulator's screen as the link library hands it over, 240 x 128; null when none came.
QImage receiveScreen(CalcModel& model)
{
    CalcVariable screen;
    return model.GetScreen(screen).ok() ? screen.GetPicture() : QImage();
}

// The picture variable the calculator holds under folder\name, received with the link library.
QByteArray receivePicture(const char* folder, const char* name)
{
    LinkResult failure = LinkResult::success();
    const auto link = LinkConnection::attach(*cableChoice(7, QString()), CALC_TI89, failure);
    if (!link)
        return {};
    FileContent* content = tifiles_content_create_regular(CALC_TI89);
    VarRequest request{};
    std::strncpy(request.folder, folder, sizeof request.folder - 1);
    std::strncpy(request.name, name, sizeof request.name - 1);
    request.type = kPictureTypeCode;
    QByteArray data;
    if (link->transfer([&](CalcHandle* calc) { return ticalcs_calc_recv_var(calc, MODE_NORMAL, content, &request); }).ok()
        && content->num_entries == 1)
        data = QByteArray(reinterpret_cast<const char*>(content->entries[0]->data), int(content->entries[0]->size));
    tifiles_content_delete_regular(content);
    return data;
}

// Black where the image's pixel is black, in the TI-89's graph area (rows 16 to 92).
PictureGrid graphArea(const QImage& screen)
{
    PictureGrid grid;
    for (int x = 0; x < kTI89PictureArea.columns; ++x) {
        for (int y = 0; y < kTI89PictureArea.rows; ++y)
            grid.setCell(x, y, screen.pixel(x, y + 16) == qRgb(0, 0, 0) ? 1 : 0);
    }
    return grid;
}

}  // namespace

class TiEmuCheck : public QObject {
    Q_OBJECT
private slots:
    void snapGivesTheGraphArea();
    void sentPictureComesBackByteForByte();
    void receiveShowsTheSentPicture();
};

void TiEmuCheck::snapGivesTheGraphArea()
{
    if (!emulatorRunning())
        QSKIP("no TiEmu on the virtual link: run tools/tiemu-check.sh");
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miEmulator_Click();
    w.miTI89_Click();
    // The screen as the link library reports it, through the window's own model object: the
    // library keeps one virtual link per process. PedroM takes a few seconds to boot.
    CalcModel& reference = w.TI89Calc;
    reference.SetLink(w.cableCode, w.portName);
    QImage before;
    for (int attempt = 0; attempt < 30 && before.isNull(); ++attempt) {
        before = receiveScreen(reference);
        if (before.isNull())
            QThread::sleep(1);
    }
    QVERIFY2(!before.isNull(), "the emulator never sent its screen");
    QCOMPARE(before.size(), QSize(240, 128));
    QVERIFY2(graphArea(before) != PictureGrid(), "the graph area shows nothing to compare");

    w.Command1_Click();
    const QImage after = receiveScreen(reference);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    // A blinking cursor may change the screen between the reads: Snap saw one of the two.
    QVERIFY(w.grid == graphArea(before) || w.grid == graphArea(after));
    QVERIFY(w.Text1->text().startsWith(QStringLiteral("ScreenShot ")));
}

void TiEmuCheck::sentPictureComesBackByteForByte()
{
    if (!emulatorRunning())
        QSKIP("no TiEmu on the virtual link: run tools/tiemu-check.sh");
    ScriptedDialogs dialogs;
    auto w = std::make_unique<frmPixoram>(dialogs, QString());
    PictureGrid stripes;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            stripes.setCell(x, y, (x + 2 * y) % 7 == 0 || x == 158 || y == 76 ? 1 : 0);
    }
    drawCells(w->document, stripes);
    w->Text3->setText(QStringLiteral("main"));
    w->Text2->setText(QStringLiteral("pixtest"));
    w->miEmulator_Click();
    w->miTI89_Click();
    // Just booted, PedroM answers the screen before it takes variables: a first Send may be refused.
    for (int attempt = 0; attempt < 5; ++attempt) {
        dialogs.messages.clear();
        dialogs.messageAnswers = {MessageAnswer::Yes};
        w->Command2_Click();
        if (dialogs.messages.size() == 1)
            break;
        QThread::sleep(1);
    }
    QVERIFY2(dialogs.messages.size() == 1, qPrintable(dialogs.messages.back().text));  // the question alone
    w.reset();  // its cable is detached before the picture is received on another

    QImage expected(kColumns, kRows, QImage::Format_RGB32);
    drawGridInto(expected, stripes);
    // PedroM may still be busy storing it: a refused request is asked again.
    QByteArray received;
    for (int attempt = 0; attempt < 5 && received.isEmpty(); ++attempt) {
        if (attempt > 0)
            QThread::sleep(1);
        received = receivePicture("main", "pixtest");
    }
    QCOMPARE(received, encodePictureVariable(expected, kTI89PictureArea));
}

// Runs after the Send above: the editor's own Receive fetches main\pixtest back.
void TiEmuCheck::receiveShowsTheSentPicture()
{
    if (!emulatorRunning())
        QSKIP("no TiEmu on the virtual link: run tools/tiemu-check.sh");
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miEmulator_Click();
    w.miTI89_Click();
    dialogs.pictureAnswers.push_back(QStringLiteral("main\\pixtest"));
    w.miReceive_Click();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).detailedText));
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const bool inside = kTI89PictureArea.contains(x, y);
            const int expected = inside && ((x + 2 * y) % 7 == 0 || x == 158 || y == 76) ? 1 : 0;
            QCOMPARE(int(w.grid.cell(x, y)), expected);
        }
    }
    QCOMPARE(w.Text2->text(), QStringLiteral("pixtest"));
    QVERIFY(w.Text1->text().startsWith(QStringLiteral("Received ")));
}

QTEST_MAIN(TiEmuCheck)
#include "tiemu_check.moc"
