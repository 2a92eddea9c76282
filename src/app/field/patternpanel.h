#pragma once

#include <QFrame>
#include <QPoint>

#include <optional>

class QFrame;
class QLabel;
class QToolButton;

// The pattern of a drawing task: the label "Образец:" and the picture below it. It floats
// over the work window in a small window of its own, first at the top of the task panel;
// the pupil drags it anywhere by its label and closes it with its button. It is a tool
// window that moves itself, the same with a window manager and without one: the work
// window has no place that docks it, and its layout never changes because of it.
class PatternPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int minimumPictureSide = 100;
    static constexpr int maximumPictureSide = 600;

    // It belongs to `window` and first stands over `taskStatement`.
    PatternPanel(QWidget &window, const QWidget &taskStatement);

    // The picture, sized to itself within 100 … 600 pixels each way (a larger one is
    // scaled down to fit).
    void setPicture(const QImage &picture);
    // Shown or hidden wherever it is; it first shows at its place over the task panel.
    void setShown(bool shown);
    bool hasPicture() const;
    // Shows or hides the panel; without a picture it does nothing.
    void nMainPatternClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeOverTaskPanel();

    const QWidget &m_taskStatement;
    QLabel *m_title = nullptr;
    QLabel *m_picture = nullptr;
    QFrame *m_frame = nullptr;
    QToolButton *m_close = nullptr;
    bool m_placed = false;
    QWidget *m_titleBar = nullptr;
    // The area under the label that holds the frame and the picture.
    QWidget *m_content = nullptr;
    // Where the pointer holds the panel while the pupil drags it; none when not dragging.
    std::optional<QPoint> m_grip;
};
