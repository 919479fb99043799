// Leaving the program: Exit and the window's close button, with the warning
// while the picture has unsaved changes.
#include "app/frmExit.h"
#include "app/frmPixoram.h"

#include <QAction>
#include <QCloseEvent>

void frmPixoram::miExit_Click()
{
    auto endProgram = [this] {
        ending = true;
        dialogs.endProgram();
    };
    if (!document.commands().hasUnsavedChanges()) {
        endProgram();
        return;
    }
    if (!exitWindow)
        exitWindow = new frmExit(this, endProgram);
    dialogs.showModal(*exitWindow);
}

// Form_Unload: the window closes only when the program ends.
void frmPixoram::closeEvent(QCloseEvent* event)
{
    if (!ending)
        miExit_Click();
    if (ending)
        event->accept();
    else
        event->ignore();
}
