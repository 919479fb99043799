#include "picture/PictureDocument.h"

#include <QUndoCommand>

#include <optional>

namespace {

constexpr QRect kWholeGrid(0, 0, kColumns, kRows);

}  // namespace

// One step in the history: the flipped cells and, when the step changed more than cells,
// the document's state before and after it.
class PictureStep : public QUndoCommand {
public:
    PictureStep(PictureDocument& document, const QString& name, PictureDocument::StepKind kind, CellChange cells,
                std::optional<std::pair<PictureDocument::State, PictureDocument::State>> states,
                quint64 revisionBefore, quint64 revisionAfter)
        : QUndoCommand(name),
          document_(document),
          kind_(kind),
          cells_(std::move(cells)),
          states_(std::move(states)),
          revisionBefore_(revisionBefore),
          revisionAfter_(revisionAfter)
    {
    }

    void undo() override
    {
        document_.applyStep(cells_, states_ ? &states_->second : nullptr, states_ ? &states_->first : nullptr, kind_,
                            revisionBefore_);
    }

    void redo() override
    {
        // Pushing a step redoes it; the document has already done it.
        if (std::exchange(done_, false))
            return;
        document_.applyStep(cells_, states_ ? &states_->first : nullptr, states_ ? &states_->second : nullptr, kind_,
                            revisionAfter_);
    }

private:
    PictureDocument& document_;
    PictureDocument::StepKind kind_;
    CellChange cells_;
    std::optional<std::pair<PictureDocument::State, PictureDocument::State>> states_;
    quint64 revisionBefore_;
    quint64 revisionAfter_;
    bool done_ = true;
};

PictureDocument::PictureDocument(QObject* parent) : QObject(parent)
{
    history_.setUndoLimit(kHistorySteps);
}

PictureDocument::~PictureDocument() = default;

PictureDocument::State PictureDocument::state() const
{
    return {names_, filePath_, fileCaption_, commands_, savedRevision_};
}

void PictureDocument::beginStep(const QString& name, StepKind kind)
{
    endStep();
    step_.open = true;
    step_.name = name;
    step_.kind = kind;
    step_.grid = grid_;
    step_.state = state();
    step_.touched = QRect();
    step_.marksSaved = false;
}

void PictureDocument::endStep()
{
    if (!step_.open)
        return;
    step_.open = false;
    CellChange cells = CellChange::between(step_.grid, grid_, step_.touched);
    const State before = step_.state;
    State after = state();
    const bool namesOrFileChanged = before.names != after.names || before.filePath != after.filePath
                                    || before.fileCaption != after.fileCaption;
    const bool wholeStateChanged = step_.kind == StepKind::WholeState && before.commands != after.commands;
    if (cells.isEmpty() && !namesOrFileChanged && !wholeStateChanged) {
        if (step_.marksSaved)
            savedRevision_ = revision_;
        return;
    }
    const quint64 revisionBefore = revision_;
    revision_ = ++lastRevision_;
    if (step_.marksSaved)
        savedRevision_ = after.savedRevision = revision_;
    std::optional<std::pair<State, State>> states;
    if (namesOrFileChanged || step_.kind == StepKind::WholeState)
        states.emplace(before, after);
    history_.push(new PictureStep(*this, step_.name, step_.kind, std::move(cells), std::move(states), revisionBefore,
                                  revision_));
}

void PictureDocument::undo()
{
    endStep();
    history_.undo();
}

void PictureDocument::redo()
{
    endStep();
    history_.redo();
}

void PictureDocument::touch(const QRect& cells)
{
    step_.touched |= cells;
    emit cellsChanged(cells);
}

void PictureDocument::plotCell(int x, int y, int16_t value)
{
    if (!PictureGrid::contains(x, y))
        return;
    if (!step_.open) {
        beginStep(QString());
        plotCell(x, y, value);
        endStep();
        return;
    }
    grid_.setCell(x, y, value);
    touch(QRect(x, y, 1, 1));
}

void PictureDocument::plotCells(const std::vector<QPoint>& cells, int16_t value)
{
    if (!step_.open) {
        beginStep(QString());
        plotCells(cells, value);
        endStep();
        return;
    }
    QRect written;
    for (const QPoint& cell : cells) {
        if (!PictureGrid::contains(cell.x(), cell.y()))
            continue;
        grid_.setCell(cell.x(), cell.y(), value);
        written |= QRect(cell, QSize(1, 1));
    }
    if (!written.isEmpty())
        touch(written);
}

void PictureDocument::clearCells()
{
    if (!step_.open) {
        beginStep(QString());
        clearCells();
        endStep();
        return;
    }
    grid_.ResetGrid();
    touch(kWholeGrid);
}

void PictureDocument::setFolder(const QString& folder)
{
    if (folder == names_.folder)
        return;
    names_.folder = folder;
    emit namesChanged();
}

void PictureDocument::setVariable(const QString& variable)
{
    if (variable == names_.variable)
        return;
    names_.variable = variable;
    emit namesChanged();
}

void PictureDocument::setComment(const QString& comment)
{
    if (comment == names_.comment)
        return;
    names_.comment = comment;
    emit namesChanged();
}

void PictureDocument::setFile(const QString& path, const QString& caption)
{
    if (path == filePath_ && caption == fileCaption_)
        return;
    filePath_ = path;
    fileCaption_ = caption;
    emit fileChanged();
}

void PictureDocument::setCommands(const OfferedCommands& commands)
{
    if (commands == commands_)
        return;
    commands_ = commands;
    emit commandsChanged();
}

void PictureDocument::markSaved()
{
    if (step_.open)
        step_.marksSaved = true;
    else
        savedRevision_ = revision_;
}

void PictureDocument::replace(const PictureGrid& grid, const PictureNames& names, const QString& path,
                              const QString& caption)
{
    step_.open = false;
    history_.clear();
    grid_ = grid;
    revision_ = savedRevision_ = ++lastRevision_;
    emit cellsChanged(kWholeGrid);
    setFile(path, caption);
    if (names != names_) {
        names_ = names;
        emit namesChanged();
    }
}

void PictureDocument::restore(const State& from, const State& to, StepKind kind)
{
    // Only what the step itself changed goes back: a name typed since stays.
    PictureNames names = names_;
    if (from.names.folder != to.names.folder)
        names.folder = to.names.folder;
    if (from.names.variable != to.names.variable)
        names.variable = to.names.variable;
    if (from.names.comment != to.names.comment)
        names.comment = to.names.comment;
    if (names != names_) {
        names_ = names;
        emit namesChanged();
    }
    if (from.filePath != to.filePath || from.fileCaption != to.fileCaption)
        setFile(to.filePath, to.fileCaption);
    if (kind == StepKind::WholeState) {
        savedRevision_ = to.savedRevision;
        commands_ = to.commands;
    }
}

void PictureDocument::applyStep(const CellChange& cells, const State* from, const State* to, StepKind kind,
                                quint64 revision)
{
    cells.flip(grid_);
    if (!cells.isEmpty())
        emit cellsChanged(cells.area());
    revision_ = revision;
    if (from && to)
        restore(*from, *to, kind);
    if (kind != StepKind::WholeState)
        commands_.markSavedState(revision_ == savedRevision_);
    emit commandsChanged();
}
