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

    QToolButton *FixToolButtonDo = nullptr;
    QToolButton *FixToolButtonQuick = nullptr;
    QToolButton *FixToolButtonResult = nullptr;
    QToolButton *FixToolButtonStop = nullptr;
    QToolButton *FixToolButtonPause = nullptr;
    QToolButton *FixToolButtonStep = nullptr;

    QList<QToolButton *> speedButtons() const
    {
        return {FixToolButtonDo, FixToolButtonQuick, FixToolButtonResult};
    }
    QList<QToolButton *> buttons() const
    {
        return {FixToolButtonDo,   FixToolButtonQuick, FixToolButtonResult,
                FixToolButtonStop, FixToolButtonPause, FixToolButtonStep};
    }
    void setSpeedButtonsEnabled(bool enabled);
    // While a run is paused the pause button stays down and a speed button takes the run on.
    void showPaused(bool paused);

signals:
    void speedChosen(RunSpeed speed);
    void stopClicked();
    void pauseClicked();
    void stepClicked();

private:
    QToolButton *addButton(const QString &name, int picture, const QString &hint);
    void addGap(int width);
};
