// The command state: enabled menu items and visible toolbar covers, set row by row.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"

#include <QAction>

void frmPixoram::markEmpty()
{
    miOpen->setEnabled(true);
    miSave->setEnabled(false);
    miSaveAs->setEnabled(false);
    miPrint->setEnabled(false);
    Image11->setVisible(false);
    Image5->setVisible(true);
    Image8->setVisible(true);
}

void frmPixoram::markFileLoaded()
{
    miSave->setEnabled(true);
    miSaveAs->setEnabled(true);
    miPrint->setEnabled(true);
    Image5->setVisible(false);
    Image8->setVisible(false);
}

void frmPixoram::markEdited()
{
    miOpen->setEnabled(false);
    miSaveAs->setEnabled(true);
    miPrint->setEnabled(true);
    Image11->setVisible(true);
    Image5->setVisible(false);
    Image8->setVisible(false);
}

void frmPixoram::markSaved()
{
    miOpen->setEnabled(true);
    Image11->setVisible(false);
}

void frmPixoram::markSavedAsCalculatorFile()
{
    miOpen->setEnabled(true);
    miSave->setEnabled(true);
    Image11->setVisible(false);
}

// Like a file just opened, but with no file to save to: Save stays withheld.
void frmPixoram::markPictureReceived()
{
    miOpen->setEnabled(true);
    miSave->setEnabled(false);
    miSaveAs->setEnabled(true);
    miPrint->setEnabled(true);
    Image11->setVisible(false);
    Image5->setVisible(true);
    Image8->setVisible(false);
}

void frmPixoram::markScreenshotTaken()
{
    miOpen->setEnabled(false);
    miSave->setEnabled(false);
    miSaveAs->setEnabled(true);
    miPrint->setEnabled(true);
    Image5->setVisible(false);
}
