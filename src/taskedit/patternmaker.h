#pragma once

#include "tasks/file/taskdata.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// The pattern picture of a drawing task, made from the reference solution: the field of
// 12 × 12 as the pupil's program draws it, after the reference's first pass (the variable
// walls at their first positions), with the trace and the executor where it stopped. The
// layout unit 6 gives 300 × 300 pixels, inside the 100…600 the pattern panel shows whole.
class PatternMaker
{
public:
    static constexpr int layoutUnit = 6;

    static QImage make(const TaskData &task, const QStringList &lines);
    // A 24-bit bitmap, written whole or not at all. Returns why it failed, or nothing.
    static std::optional<QString> write(const QString &path, const QImage &picture);
};
