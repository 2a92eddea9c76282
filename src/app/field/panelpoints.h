#pragma once

#include "app/common/focusreturn.h"
#include "tasks/setup/pointsentry.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLineEdit;
class UpDown;
class WorkSession;

// The points panel: point А with its heading and point Б, set by hand over what the task
// gave for the current size. Closing it by its menu item or by a click on the panel
// applies the values and redraws the field; a click on the free window area only hides
// it. The controls keep what was last entered. Opened, it takes the keys; closed, it gives
// them back to the control that had them.
class PanelPoints : public QFrame
{
    Q_OBJECT

public:
    // Over `client`, where the pupil is told of a wrong number.
    PanelPoints(WorkSession &session, QWidget &client);

    void setUpperLimit(int limit);

    // The heading the combo box gives: its chosen item, or 0 for text typed by hand.
    qint16 heading() const;
    PointsEntry entry() const;

    // "Точки": show or hide; hiding applies the values. Nothing happens during a run.
    void nMainPointsClick();
    // A click on the panel's own surface: hide and apply.
    void panelPointsClick();
    // The values into point А and point Б and the field redrawn. A bad value changes
    // nothing: its message is shown and the panel opens again at that edit.
    bool applyPoints();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QLineEdit *edit(PointsEntry::Field field) const;
    QList<UpDown *> upDowns() const
    {
        return {m_startColumnSteps, m_startRowSteps, m_pointBColumnSteps, m_pointBRowSteps};
    }

    QCheckBox *m_startSet = nullptr;
    QLineEdit *m_startColumn = nullptr;
    UpDown *m_startColumnSteps = nullptr;
    QLineEdit *m_startRow = nullptr;
    UpDown *m_startRowSteps = nullptr;
    QComboBox *m_heading = nullptr;
    QCheckBox *m_pointBSet = nullptr;
    QLineEdit *m_pointBColumn = nullptr;
    UpDown *m_pointBColumnSteps = nullptr;
    QLineEdit *m_pointBRow = nullptr;
    UpDown *m_pointBRowSteps = nullptr;

    WorkSession &m_session;
    FocusReturn m_focusReturn;
    bool m_headingTyped = false;
};
