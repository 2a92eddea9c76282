#pragma once

#include <QMenuBar>

#include <array>

class QAction;
class QMenu;
class StageTable;

// The stage menu of the work window: every item lies on the bar itself; only
// "Размер поля" opens a list, of the four field sizes. The bar keeps what the task offers
// and what a run lets rest, and tells the window which item was chosen.
class WorkMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit WorkMenuBar(QWidget *parent = nullptr);

    // The stages in which each item can be chosen.
    void addStageRows(StageTable &stages) const;
    // After a stage was applied: a task of one size offers no other size in any stage.
    void keepSizeOffer();
    // The size menu and which of the sizes 12 … 15 it offers.
    void setOfferedSizes(bool menuEnabled, const std::array<bool, 4> &sizesEnabled);
    void setPatternOffered(bool offered);
    // "Отладка", which an edit of the algorithm offers.
    QAction &debuggingItem() const { return *m_debugging; }
    // "Разработка", "Отладка", "Точки" and the sizes do nothing during a run, and look it;
    // after it "Разработка" is back and the others are as the stage, the task and the
    // editor left them.
    void setRunning(bool running);
    // An algorithm that is only to be run: "Начать" and "Разработка" are not offered at all.
    void hideEditingItems();

signals:
    void beginChosen();
    void developmentChosen();
    void debuggingChosen();
    void pointsChosen();
    void patternChosen();
    void sizeChosen(int fieldSize);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    QAction *addItem(const QString &name, const QString &caption, int picture, const QKeySequence &shortcut,
                     const QString &hint);
    // The item carries its field size as its data.
    QAction *addSizeItem(const QString &name, int fieldSize, const QString &caption);
    QList<QAction *> idleItems() const;

    QAction *m_begin = nullptr;
    QAction *m_development = nullptr;
    QAction *m_debugging = nullptr;
    QAction *m_points = nullptr;
    QAction *m_size = nullptr;
    QAction *m_pattern = nullptr;
    QMenu *m_sizeMenu = nullptr;
    std::array<QAction *, 4> m_sizeItems{};
    bool m_sizeMenuOffered = true;
    bool m_running = false;
    // What the resting items were before the run.
    QList<bool> m_enabledBeforeRun;
};
