#pragma once

#include "world/commands/delaysettings.h"

#include <QToolBar>

class QToolButton;

// The run tool bar: the slow, middle and fastest speed buttons, the stop button and, after
// them, the pause and "Один шаг" buttons.
class RunToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit RunToolBar(QWidget *parent = nullptr);

    // Every button, for the stages that enable them.
    QList<QToolButton *> buttons() const { return {m_slow, m_middle, m_fastest, m_stop, m_pause, m_step}; }
    void setSpeedButtonsEnabled(bool enabled);
    // While a run is paused the pause button stays down and a speed button takes the run on.
    void showPaused(bool paused);
    // The keys of a pupil without the mouse, as in the Pascal environments of school: Ctrl+F2
    // clicks the stop button, Ctrl+F9 the pause button, each only when it could be clicked.
    // False when the keys are neither or their button is off.
    bool pressForKeys(QKeyCombination keys);

signals:
    void speedChosen(RunSpeed speed);
    void stopClicked();
    void pauseClicked();
    void stepClicked();

private:
    QList<QToolButton *> speedButtons() const { return {m_slow, m_middle, m_fastest}; }
    QToolButton *addButton(const QString &name, int picture, const QString &accessibleName,
                           const QString &hint);
    void addGap(int width);

    QToolButton *m_slow = nullptr;
    QToolButton *m_middle = nullptr;
    QToolButton *m_fastest = nullptr;
    QToolButton *m_stop = nullptr;
    QToolButton *m_pause = nullptr;
    QToolButton *m_step = nullptr;
};
