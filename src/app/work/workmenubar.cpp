#include "app/work/workmenubar.h"

#include "app/common/hint.h"
#include "app/common/pictures.h"
#include "app/work/menubaritemstyle.h"
#include "app/work/stagetable.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>

WorkMenuBar::WorkMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MainMenu"));
    setNativeMenuBar(false);
    auto *look = new MenuBarItemStyle;
    look->setParent(this);
    setStyle(look);

    m_begin = addItem(QStringLiteral("NMainBegin"), QStringLiteral("Начать") + QString(11, u' '), 0,
                      QKeySequence(Qt::SHIFT | Qt::Key_F1),
                      QStringLiteral("\"Начать\" - первый этап решения задачи | На  этапе \"Начать\" "
                                     "откроется постановка задачи и, если необходимо, образец рисунка "
                                     "для воспроизведения"));
    m_development =
        addItem(QStringLiteral("NMainWork"), QStringLiteral("Разработка") + QString(11, u' '), 1,
                QKeySequence(Qt::SHIFT | Qt::Key_F2),
                QStringLiteral("\"Разработка\" - этап редактирования алгоритма | Этап \"Разработка\" "
                               "чередуется с этапом \"Отладка\", пока не будет составлен верный "
                               "алгоритм"));
    m_debugging = addItem(QStringLiteral("NMainDebug"), QStringLiteral("Отладка") + QString(14, u' '), 2,
                          QKeySequence(Qt::SHIFT | Qt::Key_F3),
                          QStringLiteral("\"Отладка\" - этап проверки правильности исполнения алгоритма | На "
                                         "этапе \"Отладка\" запустите алгоритм на исполнение с выбранной "
                                         "скоростью"));
    m_points = addItem(QStringLiteral("NMainPoints"), QStringLiteral("Точки") + QString(8, u' '), 3,
                       QKeySequence(Qt::SHIFT | Qt::Key_F4),
                       QStringLiteral("Установить точки А и Б | Установить начальное положение (точка А) "
                                      "и,если необходимо, точку Б"));

    m_sizeMenu = new QMenu(QStringLiteral("Размер поля") + QString(8, u' '), this);
    m_sizeMenu->setObjectName(QStringLiteral("sizeMenu"));
    m_size = m_sizeMenu->menuAction();
    m_size->setObjectName(QStringLiteral("NMainSize"));
    m_size->setIcon(Pictures::menuIcon(4));
    m_size->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    Hint::apply(m_size, QStringLiteral("Изменить размер поля | Изменить размер поля "));
    addAction(m_size);
    m_sizeItems[0] = addSizeItem(QStringLiteral("N1212"), 12, QStringLiteral("12 х 1&2"));
    m_sizeItems[1] = addSizeItem(QStringLiteral("N1313"), 13, QStringLiteral("13 x 1&3"));
    m_sizeItems[2] = addSizeItem(QStringLiteral("N1414"), 14, QStringLiteral("14 x 1&4"));
    m_sizeItems[3] = addSizeItem(QStringLiteral("N1515"), 15, QStringLiteral("15 x 1&5"));

    m_pattern = addItem(
        QStringLiteral("NMainPattern"), QStringLiteral("Образец") + QString(8, u' '), 5, QKeySequence(),
        QStringLiteral("Открыть или закрыть образец| Образец можно перетащить на другое место"));
    // Shown only for a task with a pattern picture.
    m_pattern->setVisible(false);

    connect(m_begin, &QAction::triggered, this, &WorkMenuBar::beginChosen);
    connect(m_development, &QAction::triggered, this, &WorkMenuBar::developmentChosen);
    connect(m_debugging, &QAction::triggered, this, &WorkMenuBar::debuggingChosen);
    connect(m_points, &QAction::triggered, this, &WorkMenuBar::pointsChosen);
    connect(m_pattern, &QAction::triggered, this, &WorkMenuBar::patternChosen);
    connect(m_sizeMenu, &QMenu::triggered, this, [this](QAction *item) {
        bool isSize = false;
        const int fieldSize = item->data().toInt(&isSize);
        if (isSize && !m_running)
            emit sizeChosen(fieldSize);
    });
    // The shortcut of "Размер поля" opens its list under the item.
    connect(m_size, &QAction::triggered, this, [this] {
        if (!m_running)
            m_sizeMenu->popup(mapToGlobal(actionGeometry(m_size).bottomLeft()));
    });
}

void WorkMenuBar::focusInEvent(QFocusEvent *event)
{
    QMenuBar::focusInEvent(event);
    // Alt gives the bar the keys with its first item highlighted. A disabled item shows no
    // highlight, so the pupil would not see that the arrows and Enter now go to the bar:
    // the highlight moves on to the first item that can be chosen, as the arrow key moves it.
    QAction *active = activeAction();
    if (active && !active->isEnabled()) {
        QKeyEvent next(QEvent::KeyPress, isRightToLeft() ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
        keyPressEvent(&next);
    }
}

void WorkMenuBar::addStageRows(StageTable &stages) const
{
    using S = WorkStage;
    stages.addRow(m_begin, StageTable::onIn({S::NotStarted}));
    stages.addRow(m_development, StageTable::onIn({S::Begin, S::Debugging}));
    stages.addRow(m_debugging, StageTable::onIn({S::Development}));
    for (QAction *item : {m_pattern, m_points, m_size})
        stages.addRow(item, StageTable::onIn({S::Begin, S::Development, S::Debugging}));
}

void WorkMenuBar::keepSizeOffer()
{
    if (!m_sizeMenuOffered)
        m_size->setEnabled(false);
}

void WorkMenuBar::setOfferedSizes(bool menuEnabled, const std::array<bool, 4> &sizesEnabled)
{
    m_sizeMenuOffered = menuEnabled;
    m_size->setEnabled(menuEnabled);
    for (size_t i = 0; i < m_sizeItems.size(); ++i)
        m_sizeItems[i]->setEnabled(sizesEnabled[i]);
}

void WorkMenuBar::setPatternOffered(bool offered)
{
    m_pattern->setVisible(offered);
}

QList<QAction *> WorkMenuBar::idleItems() const
{
    // "Отладка" too: a command key in that stage offers it, and entering the stage again
    // in the middle of a run would give "Разработка" back.
    QList<QAction *> items{m_debugging, m_points, m_size};
    for (QAction *item : m_sizeItems)
        items.append(item);
    return items;
}

void WorkMenuBar::hideEditingItems()
{
    m_begin->setVisible(false);
    m_development->setVisible(false);
}

void WorkMenuBar::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    m_development->setEnabled(!running);
    const QList<QAction *> items = idleItems();
    if (running) {
        m_enabledBeforeRun.clear();
        for (QAction *item : items) {
            m_enabledBeforeRun.append(item->isEnabled());
            item->setEnabled(false);
        }
    } else {
        for (qsizetype i = 0; i < items.size() && i < m_enabledBeforeRun.size(); ++i)
            items[i]->setEnabled(m_enabledBeforeRun[i]);
    }
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
    QAction *action = m_sizeMenu->addAction(caption);
    action->setObjectName(name);
    action->setData(fieldSize);
    return action;
}
