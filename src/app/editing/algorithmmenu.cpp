#include "app/editing/algorithmmenu.h"

#include "editor/contextmenustate.h"

AlgorithmMenu::AlgorithmMenu(QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("ComMenu"));
    m_deleteLine =
        addItem(QStringLiteral("N1"), QStringLiteral("Удалить строку"), &AlgorithmMenu::deleteLineChosen);
    m_deleteConstruct = addItem(QStringLiteral("N3"), QStringLiteral("Удалить конструкцию"),
                                &AlgorithmMenu::deleteConstructChosen);
    m_deleteElseBranch = addItem(QStringLiteral("N2"), QStringLiteral("Удалить ветвь ИНАЧЕ"),
                                 &AlgorithmMenu::deleteElseBranchChosen);
    m_deleteProcedure = addItem(QStringLiteral("N6"), QStringLiteral("Удалить процедуру"),
                                &AlgorithmMenu::deleteProcedureChosen);
    m_deleteWholeAlgorithm = addItem(QStringLiteral("N4"), QStringLiteral("Удалить тело алгоритма "),
                                     &AlgorithmMenu::deleteWholeAlgorithmChosen);
    addSeparatorItem(QStringLiteral("N8"));
    m_insertBlankLine = addItem(QStringLiteral("N5"), QStringLiteral("Вставить пустую строку"),
                                &AlgorithmMenu::insertBlankLineChosen);
    m_insertComment = addItem(QStringLiteral("N7"), QStringLiteral("Вставить комментарии"),
                              &AlgorithmMenu::insertCommentChosen);
    addSeparatorItem(QStringLiteral("N9"))->setVisible(false);
    m_save = addItem(QStringLiteral("N10"), QStringLiteral("Сохранить алгоритм в файле"),
                     &AlgorithmMenu::saveChosen);
    m_load = addItem(QStringLiteral("N11"), QStringLiteral("Загрузить алгоритм из файла"),
                     &AlgorithmMenu::loadChosen);
    addSeparatorItem(QStringLiteral("NBreakpointSeparator"));
    m_breakpoint = addItem(QStringLiteral("NBreakpoint"), QStringLiteral("Точка останова"),
                           &AlgorithmMenu::breakpointChosen);
    m_breakpoint->setCheckable(true);
}

QAction *AlgorithmMenu::addItem(const QString &name, const QString &caption, void (AlgorithmMenu::*chosen)())
{
    QAction *item = addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, chosen);
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
    m_deleteLine->setEnabled(state.deleteLine);
    m_deleteConstruct->setEnabled(state.deleteConstruct);
    m_deleteElseBranch->setEnabled(state.deleteElseBranch);
    m_deleteProcedure->setEnabled(state.deleteProcedure);
    m_deleteWholeAlgorithm->setEnabled(state.deleteWholeAlgorithm);
    m_insertBlankLine->setEnabled(state.insertBlankLine);
    m_insertComment->setEnabled(state.insertComment);
    m_save->setEnabled(state.saveAlgorithm);
    m_load->setEnabled(state.loadAlgorithm);
}

void AlgorithmMenu::showBreakpoint(bool canHold, bool isSet)
{
    m_breakpoint->setEnabled(canHold);
    m_breakpoint->setChecked(isSet);
}
