// The controls follow the document: the canvas its cells, the boxes its names, the status bar
// its file, the menus and the toolbar its command state.
#include "app/frmPixoram.h"
#include "ui/Canvas.h"

#include <QLabel>
#include <QLineEdit>

void frmPixoram::connectDocument()
{
    connect(&document, &PictureDocument::cellsChanged, this, &frmPixoram::showCells);
    connect(&document, &PictureDocument::namesChanged, this, &frmPixoram::showNames);
    connect(&document, &PictureDocument::fileChanged, this, &frmPixoram::showFile);
    connect(&document, &PictureDocument::commandsChanged, this, &frmPixoram::showCommandState);
    const QUndoStack* history = &document.history();
    connect(history, &QUndoStack::canUndoChanged, this, &frmPixoram::showHistory);
    connect(history, &QUndoStack::canRedoChanged, this, &frmPixoram::showHistory);
    connect(history, &QUndoStack::undoTextChanged, this, &frmPixoram::showHistory);
    connect(history, &QUndoStack::redoTextChanged, this, &frmPixoram::showHistory);
    // Typing in the boxes changes the names at once, and is no step of its own.
    connect(Text3, &QLineEdit::textChanged, &document, &PictureDocument::setFolder);
    connect(Text2, &QLineEdit::textChanged, &document, &PictureDocument::setVariable);
    connect(Text1, &QLineEdit::textChanged, &document, &PictureDocument::setComment);
    showCommandState();
    showHistory();
}

void frmPixoram::showCells(const QRect& cells)
{
    Picture1->showCells(grid, cells);
}

void frmPixoram::showNames()
{
    const PictureNames& names = document.names();
    for (auto [box, text] : {std::pair{Text3, names.folder}, {Text2, names.variable}, {Text1, names.comment}}) {
        if (box->text() != text)
            box->setText(text);
    }
}

void frmPixoram::showFile()
{
    statusPanel1->setText(document.fileCaption());
}
