// Undo and Redo: one step of the picture's history each, named in the menu.
#include "app/draw/ShapeDragSteps.h"
#include "app/frmPixoram.h"
#include "draw/ToolTable.h"

#include <QAction>

namespace {

// The pen or eraser stroke still under way goes on as a step of its own.
template <typename Move>
void moveInHistory(frmPixoram& window, Move move)
{
    const Tool* tool = findTool(window.CurrentTool);
    const bool stroking = window.document.inStep() && tool && tool->shape == ToolShape::Freehand;
    // A shape being dragged is dropped first: its outline goes, and the release draws nothing.
    endShapeDrag(window);
    move(window.document);
    if (stroking)
        window.document.beginStep(QString::fromLatin1(tool->caption));
}

QString itemText(const QString& command, const QString& step)
{
    return step.isEmpty() ? command : command + QLatin1Char(' ') + step;
}

}  // namespace

void frmPixoram::miUndo_Click()
{
    moveInHistory(*this, [](PictureDocument& document) { document.undo(); });
}

void frmPixoram::miRedo_Click()
{
    moveInHistory(*this, [](PictureDocument& document) { document.redo(); });
}

void frmPixoram::showHistory()
{
    const QUndoStack& history = document.history();
    miUndo->setEnabled(history.canUndo());
    miUndo->setText(itemText(QStringLiteral("&Undo"), history.canUndo() ? history.undoText() : QString()));
    miRedo->setEnabled(history.canRedo());
    miRedo->setText(itemText(QStringLiteral("&Redo"), history.canRedo() ? history.redoText() : QString()));
}
