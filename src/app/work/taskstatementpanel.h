#pragma once

#include <QFrame>

class QListWidget;

// The task statement: the label "Задача" and the statement lines, one per row.
class TaskStatementPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TaskStatementPanel(QWidget *parent = nullptr);

    void setStatement(const QStringList &lines);

private:
    QListWidget *m_lines = nullptr;
};
