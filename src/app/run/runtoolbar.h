#pragma once

#include "world/commands/delaysettings.h"

#include <QToolBar>

class QToolButton;

// The run tool bar: the slow, middle and fastest speed buttons and the stop button.
class RunToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit RunToolBar(QWidget *parent = nullptr);

    QToolButton *FixToolButtonDo = nullptr;
    QToolButton *FixToolButtonQuick = nullptr;
    QToolButton *FixToolButtonResult = nullptr;
    QToolButton *FixToolButtonStop = nullptr;

    QList<QToolButton *> speedButtons() const
    {
        return {FixToolButtonDo, FixToolButtonQuick, FixToolButtonResult};
    }
    QList<QToolButton *> buttons() const
    {
        return {FixToolButtonDo, FixToolButtonQuick, FixToolButtonResult, FixToolButtonStop};
    }
    void setSpeedButtonsEnabled(bool enabled);

signals:
    void speedChosen(RunSpeed speed);
    void stopClicked();

private:
    QToolButton *addButton(const QString &name, int picture, const QString &hint);
    void addGap(int width);
};
