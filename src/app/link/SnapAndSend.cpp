// Snap (Command1) and Send (Command2): the calculator's screen into the picture, the picture to the calculator.
#include "app/files/CalculatorFiles.h"
#include "app/frmPixoram.h"
#include "app/link/LinkFeedback.h"
#include "link/ScreenImage.h"
#include "picture/WorkPicture.h"

#include <QCoreApplication>
#include <QPushButton>

#include <vector>

namespace {

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
    document.setFile(QString(), QString());

    CalcModel& model = calcModelOf(*this, calculator);
    model.SetLink(cableCode, portName);
    calcVariable.SetTypeCode(kPictureVariableTypeCode);
    LinkResult screen = LinkResult::success();
    {
        const ProgressBarFeed feed(model, *ProgressBar1);
        screen = model.GetScreen(calcVariable);
    }
    if (!screen.ok()) {
        dialogs.showMessage(
            this, linkFailureMessage(QStringLiteral("Link Error... check calculator, cable, and Link Settings."), screen));
        return;
    }
    showBitmapIn(Picture4, calcVariable.GetPicture());
    runPendingEventsOnce();
    std::vector<QPoint> cells;
    forEachBlackScreenCell(Picture4, [&cells](int x, int y) { cells.emplace_back(x, y); }, calculator);
    document.beginStep(QStringLiteral("Snap"));
    document.plotCells(cells, 1);
    document.setComment(screenshotComment(QDateTime::currentDateTime()));
    document.endStep();
}

void frmPixoram::Command2_Click()
{
    if (!acceptCellsLeftOut(*this, calculator, PictureDestination::Calculator))
        return;
    Command2->setText(QStringLiteral("sending"));
    drawGridInto(Picture4, grid);
    runPendingEventsOnce();
    calcVariable.SetTypeCode(kPictureVariableTypeCode);
    calcVariable.SetPicture(Picture4);
    if (document.names().folder.isEmpty())
        document.setFolder(kDefaultFolder);
    if (document.names().variable.isEmpty())
        document.setVariable(kDefaultVariable);
    calcVariable.SetName(document.names().folder + QLatin1Char('\\') + document.names().variable);
    CalcModel& model = calcModelOf(*this, calculator);
    model.SetLink(cableCode, portName);
    LinkResult sent = LinkResult::success();
    {
        const ProgressBarFeed feed(model, *ProgressBar1);
        sent = model.SendVariable(calcVariable);
    }
    if (!sent.ok())
        dialogs.showMessage(
            this, linkFailureMessage(QStringLiteral("Error sending... check folder, var, cable, and calculator"), sent));
    Command2->setText(QStringLiteral("Send"));
}
