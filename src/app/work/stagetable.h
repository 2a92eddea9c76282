#pragma once

#include "session/workstage.h"

#include <QPointer>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QWidget;

// Which controls each stage enables (and for a few, shows). Applying a stage sets every
// row of the table at once, so no stage can inherit a leftover state of another.
class StageTable
{
public:
    // One value per stage; an empty value leaves that property as it is in that stage.
    using Column = std::array<std::optional<bool>, workStageCount>;

    void addRow(QWidget *widget, const Column &enabled, const Column &visible = {});
    void addRow(QAction *action, const Column &enabled);
    void apply(WorkStage stage) const;

    // The column builder for the common case of a plain on/off row.
    static Column onIn(std::initializer_list<WorkStage> stages);

private:
    struct Row
    {
        QPointer<QWidget> widget;
        QPointer<QAction> action;
        Column enabled;
        Column visible;
    };
    std::vector<Row> m_rows;
};
