#pragma once

#include <QMenu>

struct ContextMenuState;

// The context menu of the algorithm list: the deletions, the blank line and the
// comment, saving and loading, and the breakpoint of the line. It says which item the
// pupil chose; what is enabled follows the current line.
class AlgorithmMenu : public QMenu
{
    Q_OBJECT

public:
    explicit AlgorithmMenu(QWidget *parent = nullptr);

    void applyState(const ContextMenuState &state);
    // "Точка останова": offered where the line can hold one, checked where it has one.
    void showBreakpoint(bool canHold, bool isSet);

signals:
    void deleteLineChosen();
    void deleteConstructChosen();
    void deleteElseBranchChosen();
    void deleteProcedureChosen();
    void deleteWholeAlgorithmChosen();
    void insertBlankLineChosen();
    void insertCommentChosen();
    void saveChosen();
    void loadChosen();
    void breakpointChosen();

private:
    QAction *addItem(const QString &name, const QString &caption, void (AlgorithmMenu::*chosen)());
    QAction *addSeparatorItem(const QString &name);

    QAction *m_deleteLine = nullptr;           // "Удалить строку"
    QAction *m_deleteConstruct = nullptr;      // "Удалить конструкцию"
    QAction *m_deleteElseBranch = nullptr;     // "Удалить ветвь ИНАЧЕ"
    QAction *m_deleteProcedure = nullptr;      // "Удалить процедуру"
    QAction *m_deleteWholeAlgorithm = nullptr; // "Удалить тело алгоритма "
    QAction *m_insertBlankLine = nullptr;      // "Вставить пустую строку"
    QAction *m_insertComment = nullptr;        // "Вставить комментарии"
    QAction *m_save = nullptr;                 // "Сохранить алгоритм в файле"
    QAction *m_load = nullptr;                 // "Загрузить алгоритм из файла"
    QAction *m_breakpoint = nullptr;           // "Точка останова"
};
