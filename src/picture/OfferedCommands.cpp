#include "picture/OfferedCommands.h"

void OfferedCommands::markEmpty()
{
    *this = OfferedCommands{};
}

void OfferedCommands::markFileLoaded()
{
    saveOffered = saveAsOffered = printOffered = true;
    saveCovered = printCovered = false;
}

void OfferedCommands::markEdited()
{
    openOffered = false;
    saveAsOffered = printOffered = true;
    openCovered = true;
    saveCovered = printCovered = false;
}

void OfferedCommands::markSaved()
{
    markSavedState(true);
}

void OfferedCommands::markSavedAsCalculatorFile()
{
    markSavedState(true);
    saveOffered = true;
}

void OfferedCommands::markScreenshotTaken()
{
    openOffered = saveOffered = false;
    saveAsOffered = printOffered = true;
    saveCovered = false;
}

// Like a file just opened, but with no file to save to: Save stays withheld.
void OfferedCommands::markPictureReceived()
{
    openOffered = saveAsOffered = printOffered = true;
    saveOffered = false;
    openCovered = printCovered = false;
    saveCovered = true;
}

void OfferedCommands::markSavedState(bool saved)
{
    openOffered = saved;
    openCovered = !saved;
}
