#pragma once

#include <QWidget>

class QLabel;
struct FieldGeometry;

// A ruler of the field: sixteen numbers 0 … 15, one beside the centre of each column
// (or row). The panel ends at the field's edge, so only the numbers of existing columns show.
class RulerPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int labelCount = 16;

    RulerPanel(Qt::Orientation orientation, QWidget *parent = nullptr);

    // The ruler's font and its thickness follow the layout unit m.
    void build(int layoutUnit, int length);
    // Numbers at the cells of the geometry; the panel as long as the field.
    void place(const FieldGeometry &geometry, int length);

private:
    Qt::Orientation m_orientation;
    QList<QLabel *> m_labels;
};
