#pragma once

#include <QFrame>

class QLabel;
class QListWidget;

// The task statement: the label "Задача" and the statement lines, one per row.
class TaskStatementPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TaskStatementPanel(QWidget *parent = nullptr);

    QLabel *LabelTsk = nullptr;
    QListWidget *lstTsk = nullptr;

    void setStatement(const QStringList &lines);
};
