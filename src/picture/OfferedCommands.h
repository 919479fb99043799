#pragma once
// Which file commands are offered: the Open, Save, Save As and Print items and the covers that
// grey the toolbar's Open, Save and Print buttons. Each flag is set on its own by the events
// below, so a covered button does not always mean a withheld menu item.

struct OfferedCommands {
    bool openOffered = true;
    bool saveOffered = false;
    bool saveAsOffered = false;
    bool printOffered = false;
    bool openCovered = false;
    bool saveCovered = true;
    bool printCovered = true;

    // Open is withheld exactly while the picture has changes not saved to a file.
    bool hasUnsavedChanges() const { return !openOffered; }
    // Print is offered exactly while there is a picture; before that a press starts an empty one.
    bool hasPicture() const { return printOffered; }
    // The canvas repaints the picture only while Save As is offered.
    bool mayRepaint() const { return saveAsOffered; }

    // One function per event.
    void markEmpty();                  // start-up, ClrDraw
    void markFileLoaded();             // command line, drop, Open
    void markEdited();                 // press on the canvas, import accepted
    void markSaved();                  // Save
    void markSavedAsCalculatorFile();  // Save As of a calculator file
    void markScreenshotTaken();        // Snap
    void markPictureReceived();        // Receive
    // Undo or redo reached a picture saved (or not) in a file.
    void markSavedState(bool saved);

    bool operator==(const OfferedCommands&) const = default;
};
