#include "app/work/stagetable.h"

#include <QAction>
#include <QWidget>

void StageTable::addRow(QWidget *widget, const Column &enabled, const Column &visible)
{
    m_rows.push_back({widget, nullptr, enabled, visible});
}

void StageTable::addRow(QAction *action, const Column &enabled)
{
    m_rows.push_back({nullptr, action, enabled, {}});
}

void StageTable::apply(WorkStage stage) const
{
    const auto column = std::size_t(stage);
    for (const Row &row : m_rows) {
        const std::optional<bool> enabled = row.enabled[column];
        const std::optional<bool> visible = row.visible[column];
        if (row.widget) {
            if (visible)
                row.widget->setVisible(*visible);
            if (enabled)
                row.widget->setEnabled(*enabled);
        } else if (row.action && enabled) {
            row.action->setEnabled(*enabled);
        }
    }
}

StageTable::Column StageTable::onIn(std::initializer_list<WorkStage> stages)
{
    Column column{false, false, false, false};
    for (WorkStage stage : stages)
        column[std::size_t(stage)] = true;
    return column;
}
