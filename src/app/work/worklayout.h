#pragma once

#include <QRect>

// Where the work window's panels go for a layout unit m. Everything is spaced by m: the
// task statement under the run tool bar, then side by side the command panel, the
// algorithm list (29·m wide) and the field frame (52·m square); the statistics list sits
// under the command panel with its bottom level with the algorithm list's.
struct WorkLayout
{
    static constexpr int toolBarBottom = 26;
    static constexpr int statusBarHeight = 22;
    static constexpr QSize taskPanelSize{777, 49};
    static constexpr QSize commandPanelSize{121, 300};
    static constexpr QSize statisticsSize{121, 129};

    int layoutUnit = 10;
    QRect taskPanel;      // pnlTskNew
    QRect commandPanel;   // PPPanelSystCom
    QRect algorithmList;  // lstCom
    QRect fieldFrame;     // pnl1
    QRect statistics;     // ListStatist
    int clientHeight = 0; // above the status bar included, below the menu bar
    int clientWidth = 0;  // the least width that shows every panel

    static WorkLayout compute(int layoutUnit);

    // m := screen width div 100, made smaller while the window (with chromeHeight for its
    // menu bar and frame) would not fit the available height.
    static int layoutUnitFor(int screenWidth, int availableHeight, int chromeHeight);
};
