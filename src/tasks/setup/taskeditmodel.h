#pragma once

#include "tasks/file/taskdata.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <type_traits>

// A task as the teacher edits it, with undo and redo for every edit. Each edit changes
// one field size or the task as a whole and is one step of the history; edits made
// between beginGroup() and endGroup() (a drag along several edges) form one step, and
// edits of the statement, of the header label or of the reserved number that follow each
// other (a run of typing in that one box) merge into one.
//
// The task it gives out is always one that the loader would read back alike: the size
// menu and its items follow the sizes described, point Б is the program-start (0, 0) in a
// task without point Б (what the teacher placed is kept for when Б is switched on again),
// an empty statement line becomes a blank one, and a size that is not described keeps the
// program-start values.
class TaskEditModel : public QObject
{
    Q_OBJECT

public:
    explicit TaskEditModel(QObject *parent = nullptr);

    // A new task: 12 × 12 only, start (0, 0) facing right, point Б in the opposite
    // corner, no walls, an empty statement.
    static TaskData newTask();

    // Starts over with that task and an empty history; the task counts as saved.
    void reset(const TaskData &task);
    TaskData task() const;

    // Field sizes. A single-size task (no size menu for the pupil) describes 12 × 12 only;
    // describing another size makes the task a multi-size one.
    bool addSize(int fieldSize);
    bool removeSize(int fieldSize);
    bool setSingleSize(bool single);
    bool offersSize(int fieldSize) const { return m_task.offersSize(fieldSize); }
    QList<int> sizes() const;

    // Walls of a described size; inner edges only (the border is a wall anyway).
    bool hasWall(int fieldSize, bool horizontal, CellPosition cell) const;
    bool setWall(int fieldSize, bool horizontal, CellPosition cell, bool present);
    // At most three per size; its two positions must be inner edges and differ.
    bool addVariableWall(int fieldSize, const VariableWall &wall);
    bool removeVariableWall(int fieldSize, int index);
    // Takes away, as one step, every wall of every size that lies on the border or outside the
    // field (a hand-written file may have them; a click cannot reach them). Returns how many.
    int removeOuterWalls();
    // The variable wall with a position on that edge, or -1.
    int variableWallAt(int fieldSize, const WallVariant &position) const;

    bool setStart(int fieldSize, CellPosition cell);
    bool setHeading(int fieldSize, int heading);
    // Quarter turns, counter-clockwise as ПОВОРОТ turns (negative: clockwise).
    bool turnStart(int fieldSize, int quarterTurns);
    bool setPointB(int fieldSize, CellPosition cell);

    void setStatement(const QStringList &lines);
    void setHasPattern(bool hasPattern);
    void setHasPointB(bool hasPointB);
    bool setReservedNumber(int number);
    void setHeaderLabel(const QString &label);

    void beginGroup();
    void endGroup();

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    void undo();
    void redo();

    // Differs from the task last reset or saved.
    bool isModified() const { return task() != m_saved; }
    void markSaved();

    // An edge between two cells of the field, not on its border.
    static bool isInnerEdge(int fieldSize, bool horizontal, CellPosition cell);

signals:
    // Any change of the task, by an edit, undo, redo or reset.
    void changed();

private:
    // The kinds of edit made by typing; a run of edits of one such kind is one step.
    enum class EditKind { Other, Statement, HeaderLabel, ReservedNumber };

    struct Step
    {
        TaskData task;
        EditKind kind = EditKind::Other;
    };

    // Records the state before an edit as one step of the history.
    void recordStep(EditKind kind = EditKind::Other);
    void finishEdit();
    // Undo and redo: the task goes back to the last step of one list, and the task as it
    // was becomes a step of the other.
    void takeStep(QList<Step> &from, QList<Step> &to);
    // One field of the task set as one step of the history; no step when it holds the value.
    template<typename Field>
    void assign(Field &field, const std::type_identity_t<Field> &value, EditKind kind = EditKind::Other)
    {
        if (field == value)
            return;
        recordStep(kind);
        field = value;
        finishEdit();
    }
    bool isEditable(int fieldSize) const { return m_task.offersSize(fieldSize); }
    static bool isInField(int fieldSize, CellPosition cell);

    TaskData m_task;
    QList<Step> m_undo;
    QList<Step> m_redo;
    TaskData m_saved;
    EditKind m_typingKind =
        EditKind::Other; // the typing the last step was, which the next one of its kind joins
    int m_groupDepth = 0;
    bool m_groupRecorded = false;
};
