#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

// The stage menu of the work window: every item lies on the bar itself; only
// "Размер поля" opens a list, of the four field sizes.
class WorkMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit WorkMenuBar(QWidget *parent = nullptr);

    QAction *NMainBegin = nullptr;
    QAction *NMainWork = nullptr;
    QAction *NMainDebug = nullptr;
    QAction *NMainPoints = nullptr;
    QAction *NMainSize = nullptr;
    QAction *NMainPattern = nullptr;
    QMenu *sizeMenu = nullptr;
    QAction *N1212 = nullptr;
    QAction *N1313 = nullptr;
    QAction *N1414 = nullptr;
    QAction *N1515 = nullptr;

    QList<QAction *> sizeItems() const { return {N1212, N1313, N1414, N1515}; }

private:
    QAction *addItem(const QString &name, const QString &caption, int picture, const QKeySequence &shortcut,
                     const QString &hint);
    // The item carries its field size as its data.
    QAction *addSizeItem(const QString &name, int fieldSize, const QString &caption);
};
