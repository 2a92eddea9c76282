#include "session/variablewallswaps.h"

#include "tasks/setup/tasksetup.h"
#include "world/model/runcontrol.h"
#include "world/model/wallmodel.h"

#include <QTimer>

VariableWallSwaps::VariableWallSwaps(WallModel &walls, FieldCanvas &canvas, QObject *parent)
    : QObject(parent)
    , m_walls(walls)
    , m_canvas(canvas)
{
    for (int k = 0; k < int(m_timers.size()); ++k) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(k + 1));
        timer->setInterval(intervals[size_t(k)]);
        connect(timer, &QTimer::timeout, this, [this, k] { tick(k); });
        m_timers[size_t(k)] = timer;
    }
}

void VariableWallSwaps::show()
{
    showVariableWalls(m_walls, &m_canvas);
    startSwapping();
}

void VariableWallSwaps::startSwapping()
{
    m_swapping = true;
    const int count = qMin(m_walls.variableWallCount(), int(WallModel::maxVariableWalls));
    for (int k = 0; k < int(m_timers.size()); ++k) {
        if (k < count)
            m_timers[size_t(k)]->start();
        else
            m_timers[size_t(k)]->stop();
    }
}

void VariableWallSwaps::stop()
{
    m_swapping = false;
    for (QTimer *timer : m_timers)
        timer->stop();
}

void VariableWallSwaps::stopMissing()
{
    for (int k = m_walls.variableWallCount(); k < int(m_timers.size()); ++k)
        m_timers[size_t(k)]->stop();
}

void VariableWallSwaps::tick(int index)
{
    if (swapVariableWall(m_walls, index, &m_canvas))
        emit swapped();
}
