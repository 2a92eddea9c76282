#pragma once

#include "judge/judgedeadline.h"
#include "judge/tasktest.h"
#include "judge/testpass.h"
#include "tasks/file/taskdata.h"
#include "world/run/algorithmlines.h"

#include <QList>
#include <QStringList>

#include <memory>

class RunObserver;

// Runs an algorithm on the tests of a task, one pass at a time, on a virtual clock with the
// slow speed's delays (the delays change the time, never the path), with the interpreter the
// pupil's runs use. Every pass gets a world and an interpreter of its own, so one runner
// serves several threads at once.
class PassRunner
{
public:
    // The same for every file, so that all are judged alike.
    static constexpr qint64 defaultHighlightLimit =
        1000000;                                  // highlights per pass (a step bound goes with it)
    static constexpr int callDepthLimit = 100000; // nested procedure calls

    explicit PassRunner(const TaskData &task, qint64 highlightLimit = defaultHighlightLimit);

    const TaskData &task() const { return m_task; }
    qint64 highlightLimit() const { return m_highlightLimit; }
    QList<int> sizes() const;

    // The tests runAll makes: every test of the task, or only the one chosen.
    const QList<TaskTest> &tests() const { return m_tests; }
    // Keeps only test `number`; false (and every test kept) when the task has no such test.
    bool chooseTest(int number);

    // A pass per test, in the tests' order, numbered as the tests. Once the deadline has
    // passed, the pass under way stops and it and every later one are out of time.
    QList<TestPass> runAll(const QStringList &lines, JudgeDeadline deadline = {}) const;
    // The pass of one test, not yet judged. `observer`, when given, hears every event of the
    // run as it happens.
    TestPass run(const QStringList &lines, const TaskTest &test, JudgeDeadline deadline = {},
                 RunObserver *observer = nullptr) const;

    // Whether each pass keeps the segments it drew (on at first): only a drawing task's
    // verdict and the pictures need them.
    void setTraceKept(bool kept) { m_isTraceKept = kept; }

private:
    TestPass runText(const std::shared_ptr<const AlgorithmLines> &text, const TaskTest &test,
                     JudgeDeadline deadline, RunObserver *observer) const;

    TaskData m_task;
    qint64 m_highlightLimit;
    QList<TaskTest> m_tests;
    bool m_isTraceKept = true;
};
