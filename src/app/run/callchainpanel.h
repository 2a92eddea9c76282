#pragma once

#include "world/run/callchainrows.h"

#include <QFrame>

#include <vector>

class QListWidget;

// "Вызовы": the procedure calls under way while a run is paused, the outermost first, each
// as its name and the line of its ДЕЛАЙ. A click on a call selects that line.
class CallChainPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CallChainPanel(QWidget *parent = nullptr);

    void showRows(const std::vector<CallChainRow> &rows);
    QStringList texts() const;

signals:
    void callRowChosen(int row);

private:
    QListWidget *m_list = nullptr;
};
