#pragma once
// The picture being edited: its cells, its calculator names and comment, its file, the file
// commands it offers, and the history of its steps. Every change to them goes through here;
// the window only shows what the document announces.
//
// A step is one user action (a stroke, a shape, ClrDraw, an import, a screenshot): whatever
// changes between beginStep() and endStep() is undone and redone as one. A change to the cells
// made outside a step is a step of its own; a name typed outside a step is none (typing is not
// undone on its own). Opening a picture replaces the document and starts a new history.

#include "picture/CellChange.h"
#include "picture/OfferedCommands.h"
#include "picture/PictureDefaults.h"
#include "picture/PictureGrid.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QUndoStack>

#include <vector>

struct PictureNames {
    QString folder = kDefaultFolder;
    QString variable = kDefaultVariable;
    QString comment = kDefaultComment;
    bool operator==(const PictureNames&) const = default;
};

class PictureDocument : public QObject {
    Q_OBJECT
public:
    // The history keeps at least this many steps; the oldest go first.
    static constexpr int kHistorySteps = 1000;

    enum class StepKind {
        Picture,     // undo restores the cells, names and file the step changed
        WholeState,  // ... and the command state and saved picture as they were (ClrDraw)
    };

    explicit PictureDocument(QObject* parent = nullptr);
    ~PictureDocument() override;

    const PictureGrid& grid() const { return grid_; }
    const PictureNames& names() const { return names_; }
    const QString& filePath() const { return filePath_; }
    // How the status bar names the file: its title after Open, the whole path after a drop.
    const QString& fileCaption() const { return fileCaption_; }
    const OfferedCommands& commands() const { return commands_; }
    // Changes with every step done, undone or redone; equal revisions are equal pictures.
    quint64 revision() const { return revision_; }
    const QUndoStack& history() const { return history_; }

    void beginStep(const QString& name, StepKind kind = StepKind::Picture);
    // Records the step, unless it changed nothing. Does nothing when no step is open.
    void endStep();
    bool inStep() const { return step_.open; }
    // Both end an open step first.
    void undo();
    void redo();

    // Cells outside the grid are ignored. value: 1 black, 0 white.
    void plotCell(int x, int y, int16_t value);
    void plotCells(const std::vector<QPoint>& cells, int16_t value);
    void clearCells();
    void setFolder(const QString& folder);
    void setVariable(const QString& variable);
    void setComment(const QString& comment);
    void setFile(const QString& path, const QString& caption);
    void setCommands(const OfferedCommands& commands);
    // The picture as it stands is the one in its file (or counts as such): undo and redo
    // coming back to it offer Open again.
    void markSaved();

    // A picture read from a file: everything replaced, the history started anew.
    void replace(const PictureGrid& grid, const PictureNames& names, const QString& path, const QString& caption);

signals:
    void cellsChanged(const QRect& cells);
    void namesChanged();
    void fileChanged();
    void commandsChanged();

private:
    friend class PictureStep;

    // Everything a step may change besides the cells.
    struct State {
        PictureNames names;
        QString filePath;
        QString fileCaption;
        OfferedCommands commands;
        quint64 savedRevision = 0;
    };
    State state() const;
    void touch(const QRect& cells);
    void restore(const State& from, const State& to, StepKind kind);
    void applyStep(const CellChange& cells, const State* from, const State* to, StepKind kind, quint64 revision);

    PictureGrid grid_;
    PictureNames names_;
    QString filePath_;
    QString fileCaption_;
    OfferedCommands commands_;
    quint64 revision_ = 0;
    quint64 savedRevision_ = 0;
    quint64 lastRevision_ = 0;

    struct OpenStep {
        bool open = false;
        QString name;
        StepKind kind = StepKind::Picture;
        PictureGrid grid;
        State state;
        QRect touched;  // the cells written since the step began
        bool marksSaved = false;
    } step_;

    QUndoStack history_;
};
