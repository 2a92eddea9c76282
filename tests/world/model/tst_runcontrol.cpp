#include "world/commands/delaysettings.h"
#include "world/model/runcontrol.h"
#include "world/model/wallmodel.h"

#include "world/recordingcanvas.h"

#include <QTest>

class TestRunControl : public QObject
{
    Q_OBJECT

private slots:
    void speeds_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("turnDelay");
        QTest::addColumn<int>("crashBlinkDelay");
        QTest::addColumn<int>("lineDelay");

        QTest::newRow("slow") << int(RunSpeed::Slow) << 100 << 100 << 500;
        QTest::newRow("middle") << int(RunSpeed::Middle) << 30 << 100 << 10;
        QTest::newRow("fastest") << int(RunSpeed::Fastest) << 0 << 10 << 0;
    }

    void speeds()
    {
        QFETCH(int, speed);
        QFETCH(int, turnDelay);
        QFETCH(int, crashBlinkDelay);
        QFETCH(int, lineDelay);

        QCOMPARE(DelaySettings::forSpeed(RunSpeed(speed)),
                 (DelaySettings{turnDelay, crashBlinkDelay, lineDelay}));
    }

    void swapVariableWall_data()
    {
        QTest::addColumn<int>("wallCount");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selector");
        QTest::addColumn<int>("newSelector");
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("first wall 1 to 2") << 3 << 0 << 1 << 2 << QStringList{"absent 0 1", "present 0 2"};
        QTest::newRow("first wall 2 to 1") << 3 << 0 << 2 << 1 << QStringList{"absent 0 2", "present 0 1"};
        QTest::newRow("third wall 1 to 2") << 3 << 2 << 1 << 2 << QStringList{"absent 2 1", "present 2 2"};
        QTest::newRow("second wall 2 to 1") << 2 << 1 << 2 << 1 << QStringList{"absent 1 2", "present 1 1"};
        QTest::newRow("selector 0 stays") << 3 << 1 << 0 << 0 << QStringList{};
        QTest::newRow("selector 3 stays") << 3 << 1 << 3 << 3 << QStringList{};
        QTest::newRow("wall that does not exist") << 1 << 2 << 1 << 1 << QStringList{};
        QTest::newRow("index outside the slots") << 3 << 3 << 1 << 1 << QStringList{};
    }

    void swapVariableWall()
    {
        QFETCH(int, wallCount);
        QFETCH(int, index);
        QFETCH(int, selector);
        QFETCH(int, newSelector);
        QFETCH(QStringList, calls);

        WallModel walls;
        for (int i = 0; i < wallCount; ++i)
            walls.walls.variable.append(VariableWall{{"H", qint16(i), 1}, {"V", qint16(i), 2}});
        walls.selectors = {7, 7, 7};
        if (index < WallModel::maxVariableWalls)
            walls.selectors[size_t(index)] = selector;
        const auto before = walls.selectors;

        RecordingCanvas canvas;
        QCOMPARE(::swapVariableWall(walls, index, &canvas), !calls.isEmpty());
        QCOMPARE(canvas.calls, calls);
        for (int i = 0; i < WallModel::maxVariableWalls; ++i)
            QCOMPARE(walls.selectors[size_t(i)], i == index ? newSelector : before[size_t(i)]);

        // Without a canvas the selector still swaps.
        walls.selectors = before;
        QCOMPARE(::swapVariableWall(walls, index, nullptr), !calls.isEmpty());
        if (index < WallModel::maxVariableWalls)
            QCOMPARE(walls.selectors[size_t(index)], newSelector);
    }
};

QTEST_APPLESS_MAIN(TestRunControl)
#include "tst_runcontrol.moc"
