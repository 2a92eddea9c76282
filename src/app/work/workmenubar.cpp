#include "app/work/workmenubar.h"

#include "app/common/hint.h"
#include "app/common/pictures.h"
#include "app/work/menubaritemstyle.h"

#include <QMenu>

WorkMenuBar::WorkMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MainMenu"));
    setNativeMenuBar(false);
    auto *look = new MenuBarItemStyle;
    look->setParent(this);
    setStyle(look);

    NMainBegin = addItem(QStringLiteral("NMainBegin"), QStringLiteral("Начать") + QString(11, u' '), 0,
                         QKeySequence(Qt::SHIFT | Qt::Key_F1),
                         QStringLiteral("\"Начать\" - первый этап решения задачи | На  этапе \"Начать\" "
                                        "откроется постановка задачи и, если необходимо, образец рисунка "
                                        "для воспроизведения"));
    NMainWork = addItem(QStringLiteral("NMainWork"), QStringLiteral("Разработка") + QString(11, u' '), 1,
                        QKeySequence(Qt::SHIFT | Qt::Key_F2),
                        QStringLiteral("\"Разработка\" - этап редактирования алгоритма | Этап \"Разработка\" "
                                       "чередуется с этапом \"Отладка\", пока не будет составлен верный "
                                       "алгоритм"));
    NMainDebug = addItem(QStringLiteral("NMainDebug"), QStringLiteral("Отладка") + QString(14, u' '), 2,
                         QKeySequence(Qt::SHIFT | Qt::Key_F3),
                         QStringLiteral("\"Отладка\" - этап проверки правильности исполнения алгоритма | На "
                                        "этапе \"Отладка\" запустите алгоритм на исполнение с выбранной "
                                        "скоростью"));
    NMainPoints = addItem(QStringLiteral("NMainPoints"), QStringLiteral("Точки") + QString(8, u' '), 3,
                          QKeySequence(Qt::SHIFT | Qt::Key_F4),
                          QStringLiteral("Установить точки А и Б | Установить начальное положение (точка А) "
                                         "и,если необходимо, точку Б"));

    sizeMenu = new QMenu(QStringLiteral("Размер поля") + QString(8, u' '), this);
    sizeMenu->setObjectName(QStringLiteral("sizeMenu"));
    NMainSize = sizeMenu->menuAction();
    NMainSize->setObjectName(QStringLiteral("NMainSize"));
    NMainSize->setIcon(Pictures::menuIcon(4));
    NMainSize->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    Hint::apply(NMainSize, QStringLiteral("Изменить размер поля | Изменить размер поля "));
    addAction(NMainSize);
    N1212 = addSizeItem(QStringLiteral("N1212"), 12, QStringLiteral("12 х 1&2"));
    N1313 = addSizeItem(QStringLiteral("N1313"), 13, QStringLiteral("13 x 1&3"));
    N1414 = addSizeItem(QStringLiteral("N1414"), 14, QStringLiteral("14 x 1&4"));
    N1515 = addSizeItem(QStringLiteral("N1515"), 15, QStringLiteral("15 x 1&5"));

    NMainPattern = addItem(
        QStringLiteral("NMainPattern"), QStringLiteral("Образец") + QString(8, u' '), 5, QKeySequence(),
        QStringLiteral("Открыть или закрыть образец| Образец можно перетащить на другое место"));
    // Shown only for a task with a pattern picture.
    NMainPattern->setVisible(false);
}

QAction *WorkMenuBar::addItem(const QString &name, const QString &caption, int picture,
                              const QKeySequence &shortcut, const QString &hint)
{
    QAction *action = addAction(caption);
    action->setObjectName(name);
    action->setIcon(Pictures::menuIcon(picture));
    action->setShortcut(shortcut);
    Hint::apply(action, hint);
    return action;
}

QAction *WorkMenuBar::addSizeItem(const QString &name, int fieldSize, const QString &caption)
{
    QAction *action = sizeMenu->addAction(caption);
    action->setObjectName(name);
    action->setData(fieldSize);
    return action;
}
