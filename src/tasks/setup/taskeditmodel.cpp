#include "tasks/setup/taskeditmodel.h"

#include "world/model/wallmodel.h"

namespace {

int indexOf(int fieldSize)
{
    return fieldSize - TaskData::firstSize;
}

bool isValidHeading(int heading)
{
    return heading == 0 || heading == 90 || heading == 180 || heading == 270;
}

QList<CellPosition> &wallList(TaskSizeData &size, bool horizontal)
{
    return horizontal ? size.walls.horizontal : size.walls.vertical;
}

} // namespace

TaskEditModel::TaskEditModel(QObject *parent)
    : QObject(parent)
{
    reset(newTask());
}

TaskData TaskEditModel::newTask()
{
    TaskData task;
    task.headerLabel = QStringLiteral("001");
    task.hasPointB = true;
    task.sizeMenuEnabled = false;
    task.describedSizes[0] = true;
    task.size(TaskData::firstSize).pointB = {TaskData::firstSize - 1, TaskData::firstSize - 1};
    return task;
}

void TaskEditModel::reset(const TaskData &task)
{
    m_task = task;
    m_undo.clear();
    m_redo.clear();
    m_typingKind = EditKind::Other;
    m_groupDepth = 0;
    m_groupRecorded = false;
    m_saved = this->task();
    emit changed();
}

TaskData TaskEditModel::task() const
{
    TaskData task = m_task;
    for (int i = 0; i < int(task.sizes.size()); ++i) {
        if (!task.describedSizes[size_t(i)])
            task.sizes[size_t(i)] = TaskSizeData{};
        else if (!task.hasPointB)
            task.sizes[size_t(i)].pointB = {0, 0};
    }
    if (task.sizeMenuEnabled)
        task.sizeItemEnabled = task.describedSizes;
    else
        task.sizeItemEnabled.fill(true);
    return task;
}

QList<int> TaskEditModel::sizes() const
{
    return m_task.offeredSizes();
}

void TaskEditModel::recordStep(EditKind kind)
{
    if (m_groupDepth > 0) {
        if (m_groupRecorded)
            return;
        m_groupRecorded = true;
    } else if (kind != EditKind::Other && kind == m_typingKind) {
        return;
    }
    m_undo.append({m_task, kind});
    m_redo.clear();
    m_typingKind = kind;
}

void TaskEditModel::finishEdit()
{
    emit changed();
}

void TaskEditModel::beginGroup()
{
    if (m_groupDepth++ == 0)
        m_groupRecorded = false;
}

void TaskEditModel::endGroup()
{
    if (m_groupDepth > 0)
        --m_groupDepth;
}

void TaskEditModel::undo()
{
    takeStep(m_undo, m_redo);
}

void TaskEditModel::redo()
{
    takeStep(m_redo, m_undo);
}

void TaskEditModel::takeStep(QList<Step> &from, QList<Step> &to)
{
    if (from.isEmpty())
        return;
    to.append({m_task, from.last().kind});
    m_task = from.takeLast().task;
    m_typingKind = EditKind::Other;
    emit changed();
}

void TaskEditModel::markSaved()
{
    m_saved = task();
    m_typingKind = EditKind::Other;
    emit changed();
}

bool TaskEditModel::isInField(int fieldSize, CellPosition cell)
{
    return cell.column >= 0 && cell.column < fieldSize && cell.row >= 0 && cell.row < fieldSize;
}

bool TaskEditModel::isInnerEdge(int fieldSize, bool horizontal, CellPosition cell)
{
    // A horizontal wall lies below its cell, a vertical one to its right: the last row or
    // column would put it on the border.
    if (!isInField(fieldSize, cell))
        return false;
    return horizontal ? cell.row < fieldSize - 1 : cell.column < fieldSize - 1;
}

bool TaskEditModel::addSize(int fieldSize)
{
    if (fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize || m_task.offersSize(fieldSize))
        return false;
    recordStep();
    // A new size starts as a copy of the nearest smaller one (the teacher adapts it), or
    // empty with Б in the corner opposite А.
    TaskSizeData data;
    data.pointB = {qint16(fieldSize - 1), qint16(fieldSize - 1)};
    for (int smaller = fieldSize - 1; smaller >= TaskData::firstSize; --smaller) {
        if (m_task.offersSize(smaller)) {
            data = m_task.size(smaller);
            break;
        }
    }
    m_task.size(fieldSize) = data;
    m_task.describedSizes[size_t(indexOf(fieldSize))] = true;
    if (fieldSize != TaskData::firstSize)
        m_task.sizeMenuEnabled = true;
    finishEdit();
    return true;
}

bool TaskEditModel::removeSize(int fieldSize)
{
    if (!m_task.offersSize(fieldSize) || sizes().size() == 1)
        return false;
    recordStep();
    m_task.describedSizes[size_t(indexOf(fieldSize))] = false;
    m_task.size(fieldSize) = TaskSizeData{};
    finishEdit();
    return true;
}

bool TaskEditModel::setSingleSize(bool single)
{
    if (single == !m_task.sizeMenuEnabled)
        return true;
    if (single && sizes() != QList<int>{TaskData::firstSize})
        return false;
    recordStep();
    m_task.sizeMenuEnabled = !single;
    finishEdit();
    return true;
}

bool TaskEditModel::hasWall(int fieldSize, bool horizontal, CellPosition cell) const
{
    if (!m_task.offersSize(fieldSize))
        return false;
    const TaskSizeData &size = m_task.size(fieldSize);
    return (horizontal ? size.walls.horizontal : size.walls.vertical).contains(cell);
}

bool TaskEditModel::setWall(int fieldSize, bool horizontal, CellPosition cell, bool present)
{
    if (!isEditable(fieldSize) || !isInnerEdge(fieldSize, horizontal, cell))
        return false;
    if (hasWall(fieldSize, horizontal, cell) == present)
        return true;
    recordStep();
    QList<CellPosition> &walls = wallList(m_task.size(fieldSize), horizontal);
    if (present)
        walls.append(cell);
    else
        walls.removeAll(cell);
    finishEdit();
    return true;
}

bool TaskEditModel::addVariableWall(int fieldSize, const VariableWall &wall)
{
    if (!isEditable(fieldSize) || m_task.size(fieldSize).walls.variable.size() >= WallModel::maxVariableWalls)
        return false;
    for (const WallVariant &variant : {wall.variant1, wall.variant2}) {
        if (!(variant.isHorizontal() || variant.isVertical())
            || !isInnerEdge(fieldSize, variant.isHorizontal(), {variant.column, variant.row}))
            return false;
    }
    if (wall.variant1 == wall.variant2)
        return false;
    recordStep();
    m_task.size(fieldSize).walls.variable.append(wall);
    finishEdit();
    return true;
}

bool TaskEditModel::removeVariableWall(int fieldSize, int index)
{
    if (!isEditable(fieldSize) || index < 0 || index >= m_task.size(fieldSize).walls.variable.size())
        return false;
    recordStep();
    m_task.size(fieldSize).walls.variable.removeAt(index);
    finishEdit();
    return true;
}

int TaskEditModel::removeOuterWalls()
{
    TaskData cleared = m_task;
    int removed = 0;
    for (int fieldSize : sizes()) {
        WallSet &walls = cleared.size(fieldSize).walls;
        for (const bool horizontal : {true, false})
            removed +=
                int(wallList(cleared.size(fieldSize), horizontal).removeIf([&](const CellPosition &cell) {
                    return !isInnerEdge(fieldSize, horizontal, cell);
                }));
        removed += int(walls.variable.removeIf([fieldSize](const VariableWall &wall) {
            return !isInnerEdge(fieldSize, wall.variant1.isHorizontal(),
                                {wall.variant1.column, wall.variant1.row})
                || !isInnerEdge(fieldSize, wall.variant2.isHorizontal(),
                                {wall.variant2.column, wall.variant2.row});
        }));
    }
    if (removed > 0) {
        recordStep();
        m_task = cleared;
        finishEdit();
    }
    return removed;
}

int TaskEditModel::variableWallAt(int fieldSize, const WallVariant &position) const
{
    if (!m_task.offersSize(fieldSize))
        return -1;
    const QList<VariableWall> &walls = m_task.size(fieldSize).walls.variable;
    for (int i = 0; i < walls.size(); ++i) {
        if (walls.at(i).variant1 == position || walls.at(i).variant2 == position)
            return i;
    }
    return -1;
}

bool TaskEditModel::setStart(int fieldSize, CellPosition cell)
{
    if (!isEditable(fieldSize) || !isInField(fieldSize, cell))
        return false;
    StartPosition &start = m_task.size(fieldSize).start;
    if (start.column == cell.column && start.row == cell.row)
        return true;
    recordStep();
    start.column = cell.column;
    start.row = cell.row;
    finishEdit();
    return true;
}

bool TaskEditModel::setHeading(int fieldSize, int heading)
{
    if (!isEditable(fieldSize) || !isValidHeading(heading))
        return false;
    assign(m_task.size(fieldSize).start.heading, qint16(heading));
    return true;
}

bool TaskEditModel::turnStart(int fieldSize, int quarterTurns)
{
    if (!isEditable(fieldSize))
        return false;
    const int heading = m_task.size(fieldSize).start.heading;
    const int base = isValidHeading(heading) ? heading : 0;
    return setHeading(fieldSize, ((base + 90 * quarterTurns) % 360 + 360) % 360);
}

bool TaskEditModel::setPointB(int fieldSize, CellPosition cell)
{
    if (!isEditable(fieldSize) || !isInField(fieldSize, cell))
        return false;
    assign(m_task.size(fieldSize).pointB, cell);
    return true;
}

void TaskEditModel::setStatement(const QStringList &lines)
{
    QStringList statement;
    for (const QString &line : lines)
        statement.append(line.isEmpty() ? QStringLiteral(" ") : line);
    assign(m_task.statement, statement, EditKind::Statement);
}

void TaskEditModel::setHasPattern(bool hasPattern)
{
    assign(m_task.hasPattern, hasPattern);
}

void TaskEditModel::setHasPointB(bool hasPointB)
{
    assign(m_task.hasPointB, hasPointB);
}

bool TaskEditModel::setReservedNumber(int number)
{
    if (number < -999 || number > 9999)
        return false;
    assign(m_task.reservedNumber, qint16(number), EditKind::ReservedNumber);
    return true;
}

void TaskEditModel::setHeaderLabel(const QString &label)
{
    const QString fitted = label.left(3).leftJustified(3, u' ');
    assign(m_task.headerLabel, fitted, EditKind::HeaderLabel);
}
