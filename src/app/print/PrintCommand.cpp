// File > Print and File > Page Setup.
#include "app/frmPixoram.h"
#include "print/PicturePrinting.h"
#include "print/pgset.h"

#include <QPrinter>

void frmPixoram::miPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.showPrintDialog(this, printer))
        return;
    // A printer that fails ends the command as quietly as Cancel does.
    printPicture(printer, grid, pageSetup);
}

void frmPixoram::mipgset_Click()
{
    if (!pageSetupWindow)
        pageSetupWindow = new pgset(this, pageSetup);
    pageSetupWindow->show();
    pageSetupWindow->raise();
    pageSetupWindow->activateWindow();
}
