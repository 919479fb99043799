// Undo and Redo: one step of the picture's history each, named in the menu.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"

#include <QAction>

namespace {

QString itemText(const QString& command, const QString& step)
{
    return step.isEmpty() ? command : command + QLatin1Char(' ') + step;
}

}  // namespace

void frmPixoram::miUndo_Click()
{
    outsideGesture(*this, [this] { document.undo(); });
}

void frmPixoram::miRedo_Click()
{
    outsideGesture(*this, [this] { document.redo(); });
}

void frmPixoram::showHistory()
{
    const QUndoStack& history = document.history();
    miUndo->setEnabled(history.canUndo());
    miUndo->setText(itemText(QStringLiteral("&Undo"), history.canUndo() ? history.undoText() : QString()));
    miRedo->setEnabled(history.canRedo());
    miRedo->setText(itemText(QStringLiteral("&Redo"), history.canRedo() ? history.redoText() : QString()));
}
