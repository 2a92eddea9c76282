#pragma once

#include "display/fieldgeometry.h"
#include "taskedit/edittool.h"
#include "tasks/file/taskfileplace.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <optional>

class TaskEditModel;

// The field of one size of the task as the pupil sees it (the same drawing and geometry),
// with the rulers, and the mouse for drawing on it: walls on edges, points А and Б on
// cells, variable walls by their two positions. Places of problems are framed in red.
class TaskFieldView : public QWidget
{
    Q_OBJECT

public:
    TaskFieldView(TaskEditModel *model, int layoutUnit, QWidget *parent = nullptr);

    void setFieldSize(int fieldSize);
    int fieldSize() const { return m_geometry.fieldSize; }
    void setTool(EditTool tool);
    EditTool tool() const { return m_tool; }
    // Places to frame; the selected one is framed more strongly.
    void setMarkedPlaces(const QList<TaskFilePlace> &places, std::optional<TaskFilePlace> selected);

    const FieldGeometry &geometry() const { return m_geometry; }
    // Where the field picture's pixel lies in the widget.
    QPoint toWidget(QPoint picturePoint) const { return picturePoint + m_fieldOrigin; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // A message for the status bar.
    void hintChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void redraw();
    QPoint toPicture(QPointF widgetPoint) const;
    void drawOutline(QPainter &painter, const TaskFilePlace &place, const QColor &colour, int width) const;
    void drawEdgeHighlight(QPainter &painter, const WallVariant &edge, const QColor &colour) const;
    void clickVariableWall(const WallVariant &edge);
    // А turns only where the teacher means it: with its tool, or over its cell.
    bool isTurningStart(std::optional<CellPosition> cell) const;
    void moveCursor(int dx, int dy);
    // The edge on that side of the cursor's cell, if it is one between two cells.
    std::optional<WallVariant> cursorEdge(int key) const;
    void keyWall(int key, bool isVariable);
    void applyToolAtCursor();

    TaskEditModel *m_model;
    int m_layoutUnit;
    FieldGeometry m_geometry;
    QImage m_picture;
    QPoint m_fieldOrigin;
    EditTool m_tool = EditTool::Walls;
    QList<TaskFilePlace> m_marked;
    std::optional<TaskFilePlace> m_selected;
    std::optional<WallVariant> m_hoverEdge;
    std::optional<CellPosition> m_hoverCell;
    // The cell the keys draw at; shown while the field has the keys.
    CellPosition m_cursor{0, 0};
    // The first position of a variable wall waiting for its second.
    std::optional<WallVariant> m_pendingVariant;
    // A drag along edges: their orientation and whether it puts walls or takes them away.
    bool m_dragging = false;
    bool m_dragHorizontal = false;
    bool m_dragPuts = true;
};
