#pragma once

#include "tasks/file/tasksizedata.h"

#include <QStringList>

#include <array>

// A task as read from its task file.
struct TaskData
{
    static constexpr int firstSize = 12;
    static constexpr int lastSize = 15;

    bool hasPattern = false;
    bool hasPointB = false;
    // Header columns 3–5 (any text, often the task's number) and the reserved number of
    // columns 11–14: neither has an effect, both are kept when the task is written again.
    QString headerLabel;
    qint16 reservedNumber = 300;
    QStringList statement;
    std::array<TaskSizeData, 4> sizes{};
    // The sizes the file describes: a single-size task describes 12 only.
    std::array<bool, 4> describedSizes{false, false, false, false};
    // Which items of the size menu the loader leaves enabled, and the menu itself.
    std::array<bool, 4> sizeItemEnabled{true, true, true, true};
    bool sizeMenuEnabled = true;

    TaskSizeData &size(int fieldSize) { return sizes[fieldSize - firstSize]; }
    const TaskSizeData &size(int fieldSize) const { return sizes[fieldSize - firstSize]; }
    bool offersSize(int fieldSize) const
    {
        return fieldSize >= firstSize && fieldSize <= lastSize && describedSizes[fieldSize - firstSize];
    }
    // The sizes the task offers, smallest first.
    QList<int> offeredSizes() const
    {
        QList<int> offered;
        for (int fieldSize = firstSize; fieldSize <= lastSize; ++fieldSize) {
            if (offersSize(fieldSize))
                offered.append(fieldSize);
        }
        return offered;
    }

    friend bool operator==(const TaskData &, const TaskData &) = default;
};
