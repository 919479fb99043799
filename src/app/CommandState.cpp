// The command state, row by row: the document holds it, the menus and the toolbar covers show it.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"

#include <QAction>

namespace {

void changeCommands(PictureDocument& document, void (OfferedCommands::*event)())
{
    OfferedCommands commands = document.commands();
    (commands.*event)();
    document.setCommands(commands);
}

}  // namespace

void frmPixoram::markEmpty()
{
    changeCommands(document, &OfferedCommands::markEmpty);
}

void frmPixoram::markFileLoaded()
{
    changeCommands(document, &OfferedCommands::markFileLoaded);
}

void frmPixoram::markEdited()
{
    changeCommands(document, &OfferedCommands::markEdited);
}

void frmPixoram::markSaved()
{
    changeCommands(document, &OfferedCommands::markSaved);
    document.markSaved();
}

void frmPixoram::markSavedAsCalculatorFile()
{
    changeCommands(document, &OfferedCommands::markSavedAsCalculatorFile);
    document.markSaved();
}

void frmPixoram::markPictureReceived()
{
    changeCommands(document, &OfferedCommands::markPictureReceived);
}

void frmPixoram::markScreenshotTaken()
{
    changeCommands(document, &OfferedCommands::markScreenshotTaken);
}

void frmPixoram::showCommandState()
{
    const OfferedCommands& commands = document.commands();
    miOpen->setEnabled(commands.openOffered);
    miSave->setEnabled(commands.saveOffered);
    miSaveAs->setEnabled(commands.saveAsOffered);
    miPrint->setEnabled(commands.printOffered);
    Image11->setVisible(commands.openCovered);
    Image5->setVisible(commands.saveCovered);
    Image8->setVisible(commands.printCovered);
}
