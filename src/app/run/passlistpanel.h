#pragma once

#include "app/common/focusreturn.h"
#include "judge/testpass.h"

#include <QFrame>
#include <QList>

class QListWidget;

// "Прогоны": the passes of the last run, one row each (the test's number, the field's size,
// the positions of the variable walls and how the pass ended, judged as the jury judges);
// a wrong pass is marked, and the first of them selected. A double click or Enter on a row
// asks for that pass alone again.
class PassListPanel : public QFrame
{
    Q_OBJECT

public:
    explicit PassListPanel(QWidget *parent = nullptr);

    void showPasses(const QList<TestPass> &passes, bool hasPointB);
    QStringList texts() const;
    int selectedRow() const;
    // The list takes the keys; they go back where they were when the panel hides.
    void focusList();
    // The text of one pass's row.
    static QString rowText(const TestPass &pass, bool hasPointB);

signals:
    void passChosen(int index);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QListWidget *m_list = nullptr;
    FocusReturn m_focusReturn;
};
