#pragma once

#include "tasks/file/taskfileplace.h"
#include "tasks/file/taskproblem.h"

#include <QList>
#include <QString>

// A task laid out in the fixed columns of its file: the text (CR LF line ends), where each
// object of the field stands in it, and what could not be written so that the loader reads
// back the same task (the text is then still made, as far as it goes).
struct TaskFileLayout
{
    QString text;
    QList<TaskFilePlace> places;
    QList<TaskProblem> problems;

    bool isFaithful() const { return problems.isEmpty(); }
    // The place of a problem at that line and column, or null.
    const TaskFilePlace *placeAt(int line, int column) const
    {
        for (const TaskFilePlace &place : places) {
            if (place.contains(line, column))
                return &place;
        }
        return nullptr;
    }
};
