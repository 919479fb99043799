// Snap (Command1) and Send (Command2): the calculator's screen into the picture, the picture to the calculator.
#include "app/frmPixoram.h"
#include "link/LinkFeedback.h"
#include "link/WorkPicture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kPictureTypeCode = 26;

// Lets the window repaint before the long part; clicks and keys wait, so they
// cannot start another command halfway through this one.
void runPendingEventsOnce()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void frmPixoram::Command1_Click()
{
    markScreenshotTaken();
    CurrentTool = 1;
    statusPanel1->clear();
    CurrentFileName.clear();

    TI92PlusCalc.SetLink(cableCode, portName);
    calcVariable.SetTypeCode(kPictureTypeCode);
    LinkResult screen = LinkResult::success();
    {
        const ProgressBarFeed feed(TI92PlusCalc, *ProgressBar1);
        screen = TI92PlusCalc.GetScreen(calcVariable);
    }
    if (!screen.ok()) {
        dialogs.showMessage(
            this, linkFailureMessage(QStringLiteral("Link Error... check calculator, cable, and Link Settings."), screen));
        return;
    }
    showBitmapIn(Picture4, calcVariable.GetPicture());
    runPendingEventsOnce();
    forEachBlackScreenCell(Picture4, [this](int x, int y) { PlotCell(static_cast<int16_t>(x), static_cast<int16_t>(y)); });
    Text1->setText(screenshotComment(QDateTime::currentDateTime()));
}

void frmPixoram::Command2_Click()
{
    Command2->setText(QStringLiteral("sending"));
    drawGridInto(Picture4, grid);
    runPendingEventsOnce();
    calcVariable.SetTypeCode(kPictureTypeCode);
    calcVariable.SetPicture(Picture4);
    if (Text3->text().isEmpty())
        Text3->setText(QStringLiteral("main"));
    if (Text2->text().isEmpty())
        Text2->setText(QStringLiteral("picture"));
    calcVariable.SetName(Text3->text() + QLatin1Char('\\') + Text2->text());
    TI92PlusCalc.SetLink(cableCode, portName);
    LinkResult sent = LinkResult::success();
    {
        const ProgressBarFeed feed(TI92PlusCalc, *ProgressBar1);
        sent = TI92PlusCalc.SendVariable(calcVariable);
    }
    if (!sent.ok())
        dialogs.showMessage(
            this, linkFailureMessage(QStringLiteral("Error sending... check folder, var, cable, and calculator"), sent));
    Command2->setText(QStringLiteral("Send"));
}
