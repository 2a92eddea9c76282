#pragma once

#include <QFrame>

class FieldView;
class RulerPanel;
struct FieldGeometry;

// The field frame: the field picture with a margin of one layout unit around it, and
// the two rulers numbering its columns and rows in that margin.
class FieldPanel : public QFrame
{
    Q_OBJECT

public:
    explicit FieldPanel(QWidget *parent = nullptr);

    QWidget *pnlMain = nullptr;
    FieldView *PaintImage = nullptr;
    RulerPanel *PanelX = nullptr;
    RulerPanel *PanelY = nullptr;

    // 52·m square, the field panel 50·m square at (m, m), the rulers built.
    void setLayoutUnit(int layoutUnit);
    // The field panel, the picture and the rulers for a field of this geometry.
    void setFieldGeometry(const FieldGeometry &geometry);
};
