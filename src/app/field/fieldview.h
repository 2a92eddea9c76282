#pragma once

#include <QImage>
#include <QWidget>

// Shows the field picture. Each refresh reaches the screen before it returns, so every
// step of an animation is seen as its own frame even when no events are processed.
class FieldView : public QWidget
{
    Q_OBJECT

public:
    explicit FieldView(QWidget *parent = nullptr);

    // The picture stays owned by the caller and must outlive the view (or be replaced).
    void setPicture(const QImage *picture);
    const QImage *picture() const { return m_picture; }

    // Shown in colours of high contrast, for this session only; the picture stays as it is.
    void setHighContrast(bool on);

    void refresh();
    void refresh(const QRect &changed);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *m_picture = nullptr;
    bool m_highContrast = false;
};
