#include "taskedit/taskfieldview.h"

#include "display/fieldscene.h"
#include "tasks/setup/selectsizevariant.h"
#include "tasks/setup/taskeditmodel.h"
#include "world/model/wallmodel.h"
#include "world/model/world.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// Each variable wall's two positions share a tint, so that they are told apart at a glance.
QColor variableWallTint(int index)
{
    static const QColor tints[] = {QColor(30, 110, 230, 110), QColor(20, 160, 60, 110),
                                   QColor(230, 130, 0, 120)};
    return tints[index % 3];
}

} // namespace

TaskFieldView::TaskFieldView(TaskEditModel *model, int layoutUnit, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_layoutUnit(layoutUnit)
    , m_geometry(FieldGeometry::compute(layoutUnit, TaskData::firstSize))
    , m_fieldOrigin(2 * layoutUnit, 2 * layoutUnit)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_model, &TaskEditModel::changed, this, &TaskFieldView::redraw);
    redraw();
}

QSize TaskFieldView::sizeHint() const
{
    // The field of 12 is the widest: 50·m, and the rulers.
    const int side = 2 * m_layoutUnit + 50 * m_layoutUnit + m_layoutUnit;
    return {side, side};
}

void TaskFieldView::setFieldSize(int fieldSize)
{
    if (fieldSize == m_geometry.fieldSize)
        return;
    m_geometry = FieldGeometry::compute(m_layoutUnit, fieldSize);
    m_pendingVariant.reset();
    m_hoverEdge.reset();
    m_hoverCell.reset();
    m_cursor = {qint16(qMin(int(m_cursor.column), fieldSize - 1)),
                qint16(qMin(int(m_cursor.row), fieldSize - 1))};
    redraw();
}

void TaskFieldView::setTool(EditTool tool)
{
    m_tool = tool;
    m_pendingVariant.reset();
    update();
}

void TaskFieldView::setMarkedPlaces(const QList<TaskFilePlace> &places, std::optional<TaskFilePlace> selected)
{
    m_marked = places;
    m_selected = selected;
    update();
}

void TaskFieldView::redraw()
{
    const TaskData task = m_model->task();
    FieldScene scene(m_geometry);
    World world;
    world.fieldSize = m_geometry.fieldSize;
    if (task.offersSize(world.fieldSize)) {
        selectSizeVariant(task, world);
        scene.drawTaskObjects(world);
        // The pupil sees each position in turn; here both stand, with their numbers.
        const int walls = qMin(world.walls.variableWallCount(), int(WallModel::maxVariableWalls));
        for (int i = 0; i < walls; ++i) {
            scene.drawVariableWallPresent(world.walls, i, 1);
            scene.drawVariableWallPresent(world.walls, i, 2);
        }
    }
    m_picture = scene.picture();
    update();
}

QPoint TaskFieldView::toPicture(QPointF widgetPoint) const
{
    return widgetPoint.toPoint() - m_fieldOrigin;
}

void TaskFieldView::drawEdgeHighlight(QPainter &painter, const WallVariant &edge, const QColor &colour) const
{
    const int m = m_geometry.layoutUnit;
    const int c = m_geometry.cellSize;
    const int h = qMax(2, m / 2);
    QRect rect;
    if (edge.isVertical())
        rect = QRect((edge.column + 1) * c + m - h, edge.row * c + m, 2 * h + 1, c + 1);
    else
        rect = QRect(edge.column * c + m, (edge.row + 1) * c + m - h, c + 1, 2 * h + 1);
    painter.fillRect(rect.translated(m_fieldOrigin), colour);
}

void TaskFieldView::drawOutline(QPainter &painter, const TaskFilePlace &place, const QColor &colour,
                                int width) const
{
    if (place.fieldSize != m_geometry.fieldSize)
        return;
    const int m = m_geometry.layoutUnit;
    const int c = m_geometry.cellSize;
    const int h = qMax(2, m / 2);
    QRect rect;
    switch (place.kind) {
    case TaskFilePlace::Kind::Start:
    case TaskFilePlace::Kind::PointB:
    case TaskFilePlace::Kind::SectionHeader:
        rect = QRect(place.cell.column * c + m, place.cell.row * c + m, c, c);
        break;
    case TaskFilePlace::Kind::HorizontalWall:
        rect = QRect(place.cell.column * c + m, (place.cell.row + 1) * c + m - h, c, 2 * h);
        break;
    case TaskFilePlace::Kind::VerticalWall:
        rect = QRect((place.cell.column + 1) * c + m - h, place.cell.row * c + m, 2 * h, c);
        break;
    case TaskFilePlace::Kind::VariableWall: {
        const TaskData task = m_model->task();
        const QList<VariableWall> &walls = task.size(place.fieldSize).walls.variable;
        if (place.index < 0 || place.index >= walls.size())
            return;
        const WallVariant &variant = walls.at(place.index).variant(place.variant);
        rect = variant.isVertical() ? QRect((variant.column + 1) * c + m - h, variant.row * c + m, 2 * h, c)
                                    : QRect(variant.column * c + m, (variant.row + 1) * c + m - h, c, 2 * h);
        break;
    }
    case TaskFilePlace::Kind::Header:
    case TaskFilePlace::Kind::Statement: return;
    }
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(-width, -width, width, width).translated(m_fieldOrigin));
}

void TaskFieldView::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(m_fieldOrigin, m_picture);

    // Rulers: the column and row numbers, as the pupil's field has them.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(m_geometry.layoutUnit);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < m_geometry.fieldSize; ++i) {
        const QPoint centre = toWidget(m_geometry.cellCentre(i, i));
        const QString number = QString::number(i);
        painter.drawText(QRect(centre.x() - m_geometry.halfCell, 0, m_geometry.cellSize, m_fieldOrigin.y()),
                         Qt::AlignCenter, number);
        painter.drawText(QRect(0, centre.y() - m_geometry.halfCell, m_fieldOrigin.x(), m_geometry.cellSize),
                         Qt::AlignCenter, number);
    }

    const TaskData task = m_model->task();
    if (task.offersSize(m_geometry.fieldSize)) {
        const QList<VariableWall> &walls = task.size(m_geometry.fieldSize).walls.variable;
        for (int i = 0; i < walls.size(); ++i) {
            drawEdgeHighlight(painter, walls.at(i).variant1, variableWallTint(i));
            drawEdgeHighlight(painter, walls.at(i).variant2, variableWallTint(i));
        }
    }
    if (m_pendingVariant)
        drawEdgeHighlight(painter, *m_pendingVariant, QColor(230, 130, 0, 200));
    if (m_hoverEdge && (m_tool == EditTool::Walls || m_tool == EditTool::VariableWall))
        drawEdgeHighlight(painter, *m_hoverEdge, QColor(0, 90, 255, 90));
    if (m_hoverCell && (m_tool == EditTool::StartPoint || m_tool == EditTool::TargetPoint)) {
        const int c = m_geometry.cellSize;
        const int m = m_geometry.layoutUnit;
        painter.fillRect(
            QRect(m_hoverCell->column * c + m, m_hoverCell->row * c + m, c, c).translated(m_fieldOrigin),
            QColor(0, 90, 255, 50));
    }
    for (const TaskFilePlace &place : std::as_const(m_marked))
        drawOutline(painter, place, QColor(220, 0, 0), 2);
    if (m_selected)
        drawOutline(painter, *m_selected, QColor(220, 0, 0), 4);
    if (hasFocus()) {
        // The keys draw here: the whole field framed, the cursor's cell boxed.
        const int c = m_geometry.cellSize;
        const int m = m_geometry.layoutUnit;
        const QColor keys = palette().color(QPalette::Highlight);
        painter.setPen(QPen(keys, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRect(QPoint(0, 0), m_picture.size()).translated(m_fieldOrigin).adjusted(-2, -2, 1, 1));
        painter.setPen(QPen(keys, 3, Qt::DashLine));
        painter.drawRect(QRect(m_cursor.column * c + m + 2, m_cursor.row * c + m + 2, c - 4, c - 4)
                             .translated(m_fieldOrigin));
    }
}

void TaskFieldView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_model->offersSize(fieldSize()))
        return;
    setFocus();
    const QPoint point = toPicture(event->position());
    if (const auto cell = m_geometry.cellAt(point))
        m_cursor = *cell;
    switch (m_tool) {
    case EditTool::Walls:
        if (const auto edge = m_geometry.edgeAt(point)) {
            m_dragHorizontal = edge->isHorizontal();
            const CellPosition cell{edge->column, edge->row};
            m_dragPuts = !m_model->hasWall(fieldSize(), m_dragHorizontal, cell);
            m_dragging = true;
            m_model->beginGroup();
            m_model->setWall(fieldSize(), m_dragHorizontal, cell, m_dragPuts);
        }
        break;
    case EditTool::StartPoint:
        if (const auto cell = m_geometry.cellAt(point))
            m_model->setStart(fieldSize(), *cell);
        break;
    case EditTool::TargetPoint:
        if (const auto cell = m_geometry.cellAt(point))
            m_model->setPointB(fieldSize(), *cell);
        break;
    case EditTool::VariableWall:
        if (const auto edge = m_geometry.edgeAt(point))
            clickVariableWall(*edge);
        break;
    }
}

void TaskFieldView::clickVariableWall(const WallVariant &edge)
{
    const int size = fieldSize();
    if (!m_pendingVariant) {
        const int existing = m_model->variableWallAt(size, edge);
        if (existing >= 0) {
            m_model->removeVariableWall(size, existing);
            emit hintChanged(QStringLiteral("Подвижная стенка %1 убрана").arg(existing + 1));
            return;
        }
        if (m_model->task().size(size).walls.variable.size() >= WallModel::maxVariableWalls) {
            emit hintChanged(QStringLiteral("Подвижных стенок на поле уже три"));
            return;
        }
        m_pendingVariant = edge;
        emit hintChanged(QStringLiteral("Щёлкните второе положение подвижной стенки (Esc — отмена)"));
        update();
        return;
    }
    const WallVariant first = *m_pendingVariant;
    m_pendingVariant.reset();
    if (first == edge) {
        emit hintChanged(QString());
        update();
        return;
    }
    if (m_model->addVariableWall(size, {first, edge}))
        emit hintChanged(QStringLiteral("Подвижная стенка %1 добавлена")
                             .arg(m_model->task().size(size).walls.variable.size()));
    else
        emit hintChanged(QStringLiteral("Такую подвижную стенку поставить нельзя"));
    update();
}

void TaskFieldView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = toPicture(event->position());
    if (m_dragging) {
        if (const auto edge = m_geometry.edgeAt(point, m_dragHorizontal))
            m_model->setWall(fieldSize(), m_dragHorizontal, {edge->column, edge->row}, m_dragPuts);
    }
    m_hoverEdge = m_geometry.edgeAt(point);
    m_hoverCell = m_geometry.cellAt(point);
    update();
}

void TaskFieldView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        m_model->endGroup();
    }
}

bool TaskFieldView::isTurningStart(std::optional<CellPosition> cell) const
{
    if (!m_model->offersSize(fieldSize()))
        return false;
    const StartPosition start = m_model->task().size(fieldSize()).start;
    return m_tool == EditTool::StartPoint || (cell && cell->column == start.column && cell->row == start.row);
}

void TaskFieldView::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (!isTurningStart(m_geometry.cellAt(toPicture(event->position())))) {
        event->ignore();
        return;
    }
    if (steps != 0)
        m_model->turnStart(fieldSize(), steps);
    event->accept();
}

void TaskFieldView::focusInEvent(QFocusEvent *event)
{
    emit hintChanged(
        QStringLiteral("Клавиши: стрелки — клетка, Shift+стрелка — стена, Ctrl+стрелка — подвижная "
                       "стенка, А и Б — точки, пробел — повернуть А"));
    update();
    QWidget::focusInEvent(event);
}

void TaskFieldView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TaskFieldView::moveCursor(int dx, int dy)
{
    const int last = fieldSize() - 1;
    m_cursor = {qint16(qBound(0, m_cursor.column + dx, last)), qint16(qBound(0, m_cursor.row + dy, last))};
    emit hintChanged(QStringLiteral("Клетка (%1,%2)").arg(m_cursor.column).arg(m_cursor.row));
    update();
}

std::optional<WallVariant> TaskFieldView::cursorEdge(int key) const
{
    // A horizontal wall lies below its cell, a vertical one to its right.
    const int column = m_cursor.column;
    const int row = m_cursor.row;
    WallVariant edge;
    switch (key) {
    case Qt::Key_Up: edge = {QStringLiteral("H"), qint16(column), qint16(row - 1)}; break;
    case Qt::Key_Down: edge = {QStringLiteral("H"), qint16(column), qint16(row)}; break;
    case Qt::Key_Left: edge = {QStringLiteral("V"), qint16(column - 1), qint16(row)}; break;
    default: edge = {QStringLiteral("V"), qint16(column), qint16(row)}; break;
    }
    if (!TaskEditModel::isInnerEdge(fieldSize(), edge.isHorizontal(), {edge.column, edge.row}))
        return std::nullopt;
    return edge;
}

void TaskFieldView::keyWall(int key, bool isVariable)
{
    const std::optional<WallVariant> edge = cursorEdge(key);
    if (!edge) {
        emit hintChanged(QStringLiteral("С этой стороны край поля: стена там и так есть"));
        return;
    }
    if (isVariable) {
        clickVariableWall(*edge);
        return;
    }
    const CellPosition cell{edge->column, edge->row};
    m_model->setWall(fieldSize(), edge->isHorizontal(), cell,
                     !m_model->hasWall(fieldSize(), edge->isHorizontal(), cell));
}

void TaskFieldView::applyToolAtCursor()
{
    switch (m_tool) {
    case EditTool::StartPoint: m_model->setStart(fieldSize(), m_cursor); break;
    case EditTool::TargetPoint: m_model->setPointB(fieldSize(), m_cursor); break;
    case EditTool::Walls:
    case EditTool::VariableWall:
        emit hintChanged(
            QStringLiteral("Стену ставит Shift+стрелка, подвижную стенку — Ctrl+стрелка к её ребру"));
        break;
    }
}

void TaskFieldView::keyPressEvent(QKeyEvent *event)
{
    if (!m_model->offersSize(fieldSize())) {
        QWidget::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (modifiers == Qt::ShiftModifier || modifiers == Qt::ControlModifier) {
            keyWall(event->key(), modifiers == Qt::ControlModifier);
        } else if (modifiers == Qt::NoModifier) {
            const int key = event->key();
            moveCursor(key == Qt::Key_Left        ? -1
                           : key == Qt::Key_Right ? 1
                                                  : 0,
                       key == Qt::Key_Up         ? -1
                           : key == Qt::Key_Down ? 1
                                                 : 0);
        }
        return;
    // А and Б on a Russian layout, or the Latin letters where the keyboard has no Cyrillic.
    case 0x0410:
    case Qt::Key_A: m_model->setStart(fieldSize(), m_cursor); return;
    case 0x0411:
    case Qt::Key_B: m_model->setPointB(fieldSize(), m_cursor); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Insert: applyToolAtCursor(); return;
    case Qt::Key_Space:
    case Qt::Key_R:
        if (isTurningStart(m_cursor))
            m_model->turnStart(fieldSize(), modifiers & Qt::ShiftModifier ? -1 : 1);
        else
            emit hintChanged(QStringLiteral("Пробел поворачивает А, когда выбрана «Точка А» или клетка с А"));
        return;
    case Qt::Key_Escape:
        if (m_pendingVariant) {
            m_pendingVariant.reset();
            emit hintChanged(QString());
            update();
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

void TaskFieldView::leaveEvent(QEvent *event)
{
    m_hoverEdge.reset();
    m_hoverCell.reset();
    update();
    QWidget::leaveEvent(event);
}
