#pragma once

#include "judge/passresult.h"
#include "world/commands/runobserver.h"

#include <functional>
#include <utility>

struct World;

// Collects what every pass of a run did, and hands each notification on to another
// observer (the event log), so that one run feeds both. Without one that follows the lines
// it does not follow them either: the run then tells it nothing per line.
class RunRecorder : public RunObserver
{
public:
    // Called when a pass has ended, with the pass and its number from 1.
    using PassHandler = std::function<void(const PassResult &pass, int number)>;

    explicit RunRecorder(const World &world, RunObserver *next = nullptr);

    void setPassEndedHandler(PassHandler handler) { m_passEnded = std::move(handler); }
    // A run of one chosen test has its arrangement's walls fixed and reports no arrangement
    // of its own; its pass is recorded and handed on with this one.
    void setArrangementShown(const QList<int> &arrangement) { m_arrangementShown = arrangement; }
    // Whether each pass keeps its trace (on at first); a result that shows none need not.
    void setTraceKept(bool kept) { m_isTraceKept = kept; }

    const QList<PassResult> &passes() const { return m_passes; }
    RunEnd end() const { return m_end; }
    // The text of the last message the run showed: the crash report or the reason an
    // unfinished text could not go on.
    const QString &lastMessage() const { return m_lastMessage; }

    bool isFollowingLines() const override { return m_next && m_next->isFollowingLines(); }
    void lineHighlighted(int row) override;
    void fieldRefreshed() override;
    void executorStepped(CellPosition from, CellPosition to) override;
    void executorJumped(CellPosition to) override;
    void executorTurned(qint16 heading) override;
    void executorCrashed() override;
    void waitStarted(int milliseconds) override;
    void messageShown(const RunMessage &message) override;
    void passStarted(const QList<int> &arrangement) override;
    void passEnded(RunEnd end, qint64 executedLines) override;
    void runFinished(RunEnd end) override;

private:
    void closePass(RunEnd end, qint64 executedLines);
    // Passes an event on to the next observer, when there is one.
    template<typename... Parameters, typename... Arguments>
    void forward(void (RunObserver::*event)(Parameters...), Arguments &&...arguments)
    {
        if (m_next)
            (m_next->*event)(std::forward<Arguments>(arguments)...);
    }

    const World &m_world;
    RunObserver *m_next;
    PassHandler m_passEnded;
    QList<PassResult> m_passes;
    QList<int> m_arrangementShown;
    QString m_lastMessage;
    bool m_isTraceKept = true;
    bool m_inPass = false;
    RunEnd m_end = RunEnd::Complete;
};
