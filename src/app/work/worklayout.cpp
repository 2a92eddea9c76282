#include "app/work/worklayout.h"

WorkLayout WorkLayout::compute(int m)
{
    WorkLayout layout;
    layout.layoutUnit = m;
    layout.taskPanel = QRect(QPoint(m, toolBarBottom + m), taskPanelSize);
    layout.commandPanel = QRect(QPoint(m, layout.taskPanel.bottom() + 1 + m), commandPanelSize);
    layout.algorithmList =
        QRect(layout.commandPanel.right() + 1 + m, layout.commandPanel.top(), 29 * m, 52 * m);
    layout.fieldFrame =
        QRect(layout.algorithmList.right() + 1 + m, layout.algorithmList.top(), 52 * m, 52 * m);
    layout.statistics =
        QRect(layout.commandPanel.left(), layout.algorithmList.bottom() + 1 - statisticsSize.height(),
              layout.commandPanel.width(), statisticsSize.height());
    layout.clientHeight = layout.fieldFrame.bottom() + 1 + m + statusBarHeight;
    layout.clientWidth = qMax(layout.fieldFrame.right() + 1, layout.taskPanel.right() + 1) + m;
    return layout;
}

int WorkLayout::layoutUnitFor(int screenWidth, int availableHeight, int chromeHeight)
{
    int m = screenWidth / 100;
    while (m > 1 && compute(m).clientHeight + chromeHeight > availableHeight)
        --m;
    return m;
}
