#pragma once

#include <QMenu>

struct ContextMenuState;

// The context menu of the algorithm list: the deletions, the blank line and the
// comment, saving and loading, and the breakpoint of the line.
class AlgorithmMenu : public QMenu
{
    Q_OBJECT

public:
    explicit AlgorithmMenu(QWidget *parent = nullptr);

    QAction *N1 = nullptr;  // "Удалить строку"
    QAction *N3 = nullptr;  // "Удалить конструкцию"
    QAction *N2 = nullptr;  // "Удалить ветвь ИНАЧЕ"
    QAction *N6 = nullptr;  // "Удалить процедуру"
    QAction *N4 = nullptr;  // "Удалить тело алгоритма "
    QAction *N8 = nullptr;  // separator
    QAction *N5 = nullptr;  // "Вставить пустую строку"
    QAction *N7 = nullptr;  // "Вставить комментарии"
    QAction *N9 = nullptr;  // separator, hidden
    QAction *N10 = nullptr; // "Сохранить алгоритм в файле"
    QAction *N11 = nullptr; // "Загрузить алгоритм из файла"
    QAction *NBreakpointSeparator = nullptr;
    QAction *NBreakpoint = nullptr; // "Точка останова", checked when the line has one

    void applyState(const ContextMenuState &state);

private:
    QAction *addItem(const QString &name, const QString &caption);
    QAction *addSeparatorItem(const QString &name);
};
