#pragma once

#include <QList>
#include <QObject>

#include <array>

class FieldCanvas;
class QTimer;
class WallModel;

// The variable walls swapping on their timers while the pupil looks at the field: each
// wall at its first variant when shown, then to the other variant on every tick of its own
// timer (5, 5.05 and 5.1 s, so the three never move together).
class VariableWallSwaps : public QObject
{
    Q_OBJECT

public:
    static constexpr std::array<int, 3> intervals{5000, 5050, 5100};

    VariableWallSwaps(WallModel &walls, FieldCanvas &canvas, QObject *parent = nullptr);

    // Every wall at its first variant, drawn, and a timer for each (at most three).
    void show();
    // The timers of walls already shown at their first variant.
    void startSwapping();
    void stop();
    // The walls a new size lacks have nothing left to swap.
    void stopMissing();
    // From a show until a stop.
    bool isSwapping() const { return m_swapping; }
    QList<QTimer *> timers() const { return {m_timers.begin(), m_timers.end()}; }

signals:
    // A wall moved to its other variant, drawn.
    void swapped();

private:
    void tick(int index);

    WallModel &m_walls;
    FieldCanvas &m_canvas;
    std::array<QTimer *, 3> m_timers{};
    bool m_swapping = false;
};
