#pragma once

#include <QFrame>

class FieldView;
class QImage;
class RulerPanel;
struct FieldGeometry;

// The field frame: the field picture with a margin of one layout unit around it, and
// the two rulers numbering its columns and rows in that margin.
class FieldPanel : public QFrame
{
    Q_OBJECT

public:
    explicit FieldPanel(QWidget *parent = nullptr);

    // 52·m square, the field panel 50·m square at (m, m), the rulers built.
    void setLayoutUnit(int layoutUnit);
    // The field panel, the picture and the rulers for a field of this geometry.
    void setFieldGeometry(const FieldGeometry &geometry);
    // The picture the field shows; it stays the owner's.
    void showPicture(const QImage *picture);
    // Repaints the whole field, or only what changed.
    void refresh();
    void refresh(const QRect &changed);
    QPoint fieldToGlobal(QPoint fieldPosition) const;
    // What a screen reader says of the field; a change is announced.
    void setFieldDescription(const QString &description);
    void setHighContrast(bool on);

signals:
    // A right click on the field, at a position in the field picture.
    void menuRequested(QPoint fieldPosition);

private:
    QWidget *m_fieldArea = nullptr;
    FieldView *m_view = nullptr;
    RulerPanel *m_columns = nullptr;
    RulerPanel *m_rows = nullptr;
};
