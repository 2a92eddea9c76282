#pragma once

#include <QDockWidget>

class QFrame;
class QLabel;
class QToolButton;
class WorkWindow;

// The pattern of a drawing task: the label "Образец:" and the picture below it. It floats
// over the work window in a small window of its own, first at the top of the task panel;
// the pupil drags it anywhere by its label and closes it with its button. The work window
// has no place that docks it.
class PatternPanel : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int minimumPictureSide = 100;
    static constexpr int maximumPictureSide = 600;

    explicit PatternPanel(WorkWindow &window);

    QLabel *lblPattern = nullptr;
    QLabel *imagePattern = nullptr;
    QFrame *shapePattern = nullptr;
    QToolButton *closeButton = nullptr;

    // The picture, sized to itself within 100 … 600 pixels each way (a larger one is
    // scaled down to fit).
    void setPicture(const QImage &picture);
    // Shown or hidden wherever it is; it first shows at its place over the task panel.
    void setShown(bool shown);
    bool hasPicture() const;
    // Shows or hides the panel; without a picture it does nothing.
    void nMainPatternClick();

private:
    void placeOverTaskPanel();

    WorkWindow &m_window;
    bool m_placed = false;
};
