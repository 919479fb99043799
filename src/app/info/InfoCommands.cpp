// The Help menu: About and Instructions, each created on first use.
#include "app/frmPixoram.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"

void frmPixoram::miAbout_Click()
{
    if (!aboutWindow)
        aboutWindow = new frmAbout(this);
    dialogs.showModal(*aboutWindow);
}

void frmPixoram::miInstructions_Click()
{
    if (!helpWindow)
        helpWindow = new frmHelp(this);
    dialogs.showModal(*helpWindow);
}
