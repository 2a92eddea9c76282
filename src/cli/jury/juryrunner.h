#pragma once

#include "cli/jury/jurypass.h"
#include "cli/run/tasktest.h"
#include "tasks/file/taskdata.h"
#include "world/model/world.h"

#include <QDeadlineTimer>
#include <QList>
#include <QStringList>

// Runs an algorithm on every field size a task offers and every arrangement of that
// size's variable walls, one pass at a time, on a virtual clock with the slow speed's
// delays (the delays change the time, never the path). Every pass gets a world and an
// interpreter of its own, so one runner serves several threads at once.
class JuryRunner
{
public:
    // The same for every file, so that all are judged alike.
    static constexpr qint64 defaultHighlightLimit =
        1000000;                                  // highlights per pass (a step bound goes with it)
    static constexpr int callDepthLimit = 100000; // nested procedure calls

    explicit JuryRunner(const TaskData &task, qint64 highlightLimit = defaultHighlightLimit);

    const TaskData &task() const { return m_task; }
    qint64 highlightLimit() const { return m_highlightLimit; }
    QList<int> sizes() const;

    // The tests runAll makes: every test of the task, or only the one chosen.
    const QList<TaskTest> &tests() const { return m_tests; }
    // Keeps only test `number`; false (and every test kept) when the task has no such test.
    bool chooseTest(int number);

    // A pass per test, in the tests' order, numbered as the tests. Once the deadline has
    // passed, the pass under way stops and it and every later one are out of time.
    QList<JuryPass> runAll(const QStringList &lines, QDeadlineTimer deadline = QDeadlineTimer::Forever) const;
    JuryPass runPass(const QStringList &lines, int fieldSize, const QList<int> &arrangement,
                     QDeadlineTimer deadline = QDeadlineTimer::Forever) const;

    // The field of a pass as the desktop shows it, the variable walls set to the arrangement.
    World passWorld(int fieldSize, const QList<int> &arrangement) const;

private:
    TaskData m_task;
    qint64 m_highlightLimit;
    QList<TaskTest> m_tests;
};
