// A file's time is the processor time its passes take, so other work on the machine never
// turns a verdict into TL.
#include "editor/algorithmfile.h"
#include "judge/passrunner.h"
#include "tasks/setup/taskfolder.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Every core busy with other work for as long as it lives.
class BusyMachine
{
public:
    explicit BusyMachine(int threads)
    {
        for (int i = 0; i < threads; ++i)
            m_threads.emplace_back([this] {
                volatile quint64 sink = 0;
                while (!m_isDone.load(std::memory_order_relaxed))
                    sink = sink + 1;
            });
    }
    ~BusyMachine()
    {
        m_isDone = true;
        for (std::thread &thread : m_threads)
            thread.join();
    }

private:
    std::atomic<bool> m_isDone = false;
    std::vector<std::thread> m_threads;
};

} // namespace

class TestJudgeDeadline : public QObject
{
    Q_OBJECT

private slots:
    void sameVerdictUnderLoad_data()
    {
        QTest::addColumn<int>("busyThreadsPerCore");
        QTest::addColumn<double>("budgetShare"); // of the processor time the file needs
        QTest::addColumn<bool>("isOutOfTime");
        QTest::newRow("quiet, within the limit") << 0 << 2.0 << false;
        QTest::newRow("loaded, within the limit") << 4 << 2.0 << false;
        QTest::newRow("quiet, over the limit") << 0 << 0.25 << true;
        QTest::newRow("loaded, over the limit") << 4 << 0.25 << true;
    }

    void sameVerdictUnderLoad()
    {
        QFETCH(int, busyThreadsPerCore);
        QFETCH(double, budgetShare);
        QFETCH(bool, isOutOfTime);

        const QString maze = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/maze");
        const TaskFileResult task = TaskFolder(maze).readTask();
        QVERIFY(task.isOk());
        const PassRunner runner(task.task, 100000);
        // Turns on the spot until the highlight limit stops every pass: the first loop ends
        // facing no wall, where four turns at a time keep it so.
        QStringList lines = readAlgorithmFile(maze + QStringLiteral("/solution.txt")).lines.mid(0, 4);
        for (const char *line :
             {"    ПОКА впереди стена", "    НЦ", "        ПОВОРОТ", "    КЦ", "    ПОКА впереди НЕ стена",
              "    НЦ", "        ПОВОРОТ", "        ПОВОРОТ", "        ПОВОРОТ", "        ПОВОРОТ", "    КЦ"})
            lines.append(QString::fromUtf8(line));
        lines.append(QStringLiteral("КОН"));
        const qint64 before = JudgeDeadline::threadProcessorNanoseconds();
        runner.runAll(lines);
        const auto needed = std::chrono::nanoseconds(JudgeDeadline::threadProcessorNanoseconds() - before);

        const BusyMachine machine(busyThreadsPerCore * std::max(1, QThread::idealThreadCount()));
        const auto budget = std::chrono::duration_cast<std::chrono::nanoseconds>(needed * budgetShare);
        const QList<TestPass> passes =
            runner.runAll(lines, JudgeDeadline::forProcessorTime(budget, std::chrono::minutes(5)));
        QVERIFY(!passes.isEmpty());
        QCOMPARE(passes.last().isOutOfTime, isOutOfTime);
    }
};

QTEST_GUILESS_MAIN(TestJudgeDeadline)
#include "tst_judgedeadline.moc"
