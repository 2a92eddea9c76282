#pragma once

#include "world/model/fieldcanvas.h"
#include "world/model/wallmodel.h"
#include "world/model/world.h"

#include <QStringList>

// A field canvas that writes down every drawing call, for tests.
class RecordingCanvas : public FieldCanvas
{
public:
    QStringList calls;

    // Only the executor pictures (their headings) and crash pictures, in order.
    QStringList pictures() const
    {
        QStringList result;
        for (const QString &call : calls) {
            if (call.startsWith(QLatin1String("executor")) || call.startsWith(QLatin1String("crash")))
                result.append(call);
        }
        return result;
    }

    void drawEmptyField() override { calls.append(QStringLiteral("empty field")); }
    void drawTaskObjects(World &world) override
    {
        resetExecutorToStart(world);
        calls.append(QStringLiteral("task objects"));
    }
    void drawVariableWallPresent(const WallModel &, int index, int variant) override
    {
        calls.append(QStringLiteral("present %1 %2").arg(index).arg(variant));
    }
    void drawVariableWallAbsent(const WallModel &, int index, int variant) override
    {
        calls.append(QStringLiteral("absent %1 %2").arg(index).arg(variant));
    }
    void saveUnderExecutor(int column, int row) override
    {
        calls.append(QStringLiteral("save %1 %2").arg(column).arg(row));
    }
    void restoreUnderExecutor(int column, int row) override
    {
        calls.append(QStringLiteral("restore %1 %2").arg(column).arg(row));
    }
    void drawExecutor(const ExecutorState &executor, int heading) override
    {
        calls.append(QStringLiteral("executor %1 %2 %3").arg(executor.column).arg(executor.row).arg(heading));
    }
    void drawCrashPicture(const ExecutorState &executor) override
    {
        calls.append(
            QStringLiteral("crash %1 %2 %3").arg(executor.column).arg(executor.row).arg(executor.heading));
    }
    void drawTrace(CellPosition from, CellPosition to) override
    {
        calls.append(
            QStringLiteral("trace %1 %2 %3 %4").arg(from.column).arg(from.row).arg(to.column).arg(to.row));
    }
};
