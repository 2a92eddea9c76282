#include "app/editing/algorithmmenu.h"

#include "editor/contextmenustate.h"

AlgorithmMenu::AlgorithmMenu(QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("ComMenu"));
    N1 = addItem(QStringLiteral("N1"), QStringLiteral("Удалить строку"));
    N3 = addItem(QStringLiteral("N3"), QStringLiteral("Удалить конструкцию"));
    N2 = addItem(QStringLiteral("N2"), QStringLiteral("Удалить ветвь ИНАЧЕ"));
    N6 = addItem(QStringLiteral("N6"), QStringLiteral("Удалить процедуру"));
    N4 = addItem(QStringLiteral("N4"), QStringLiteral("Удалить тело алгоритма "));
    N8 = addSeparatorItem(QStringLiteral("N8"));
    N5 = addItem(QStringLiteral("N5"), QStringLiteral("Вставить пустую строку"));
    N7 = addItem(QStringLiteral("N7"), QStringLiteral("Вставить комментарии"));
    N9 = addSeparatorItem(QStringLiteral("N9"));
    N9->setVisible(false);
    N10 = addItem(QStringLiteral("N10"), QStringLiteral("Сохранить алгоритм в файле"));
    N11 = addItem(QStringLiteral("N11"), QStringLiteral("Загрузить алгоритм из файла"));
    NBreakpointSeparator = addSeparatorItem(QStringLiteral("NBreakpointSeparator"));
    NBreakpoint = addItem(QStringLiteral("NBreakpoint"), QStringLiteral("Точка останова"));
    NBreakpoint->setCheckable(true);
}

QAction *AlgorithmMenu::addItem(const QString &name, const QString &caption)
{
    QAction *item = addAction(caption);
    item->setObjectName(name);
    return item;
}

QAction *AlgorithmMenu::addSeparatorItem(const QString &name)
{
    QAction *item = addSeparator();
    item->setObjectName(name);
    return item;
}

void AlgorithmMenu::applyState(const ContextMenuState &state)
{
    N1->setEnabled(state.deleteLine);
    N3->setEnabled(state.deleteConstruct);
    N2->setEnabled(state.deleteElseBranch);
    N6->setEnabled(state.deleteProcedure);
    N4->setEnabled(state.deleteWholeAlgorithm);
    N5->setEnabled(state.insertBlankLine);
    N7->setEnabled(state.insertComment);
    N10->setEnabled(state.saveAlgorithm);
    N11->setEnabled(state.loadAlgorithm);
}
