// The work window under a real X server (Xvfb): the memory with a task open, the CPU
// used when idle and during a slow run, and the moves per second of a 10,000-move run
// at the fastest speed with every move repainted on the screen.

#include "app/field/fieldview.h"
#include "app/run/runcontroller.h"
#include "app/shell/windowsystem.h"
#include "app/work/worktools.h"
#include "app/work/workwindow.h"
#include "common/textencoding.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int moveCount = 10000;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// CPU time used while the event loop runs for `milliseconds`, as a share of one core.
double cpuShareWhile(int milliseconds)
{
    const double cpu = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    // A plain event loop: the test library's waits poll every few milliseconds.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds() - cpu) / (clock.elapsed() / 1000.0);
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    qint64 count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void writeTask(const QString &folder, const QStringList &lines)
{
    QFile file(QDir(folder).filePath(QStringLiteral("Zerid.txt")));
    if (file.open(QIODevice::WriteOnly))
        file.write(encodeText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

// Round and round the border of the empty field: eleven steps, a turn.
QStringList roundTheBorder()
{
    QStringList lines = algorithmSkeleton(true);
    QStringList body;
    int moves = 0;
    while (moves < moveCount) {
        for (int i = 0; i < 11 && moves < moveCount; ++i, ++moves)
            body.append(QStringLiteral("    ШАГ"));
        body.append(QStringLiteral("    ПОВОРОТ"));
    }
    for (int i = 0; i < body.size(); ++i)
        lines.insert(4 + i, body[i]);
    return lines;
}

// The window's controls as the pupil finds them: by their names.
QAction *menuItem(const WorkWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

void openWork(WorkWindow &window, const QStringList &algorithm)
{
    menuItem(window, QStringLiteral("NMainBegin"))->trigger();
    menuItem(window, QStringLiteral("NMainWork"))->trigger();
    window.algorithm().setLines(algorithm);
    menuItem(window, QStringLiteral("NMainDebug"))->setEnabled(true);
    menuItem(window, QStringLiteral("NMainDebug"))->trigger();
}

} // namespace

int main(int argc, char *argv[])
{
    prepareWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SHAGAIKA_ZERID"));
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));

    // "fastest" runs only the fastest run (for profiling).
    const bool onlyFastest = argc > 1 && QByteArray(argv[1]) == "fastest";
    const QString maze = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/maze");
    if (!onlyFastest) {
        QDir::setCurrent(maze);
        WorkWindow window;
        attachWorkTools(window);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        menuItem(window, QStringLiteral("NMainBegin"))->trigger();
        menuItem(window, QStringLiteral("NMainWork"))->trigger();
        QTest::qWait(500);
        std::printf("resident memory, maze open in the work window: %.1f MB\n", residentMegabytes());
        std::printf("idle, maze open (three wall timers swapping): %.2f %% of one core over 10 s\n",
                    100 * cpuShareWhile(10000));
    }

    QTemporaryDir folder;
    writeTask(folder.path(), {"# 001 0 1  300", "Пустое поле.", "Z", "0  0  0 270 11 11", "E"});
    QDir::setCurrent(folder.path());

    WorkWindow window;
    const WorkTools tools = attachWorkTools(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    openWork(window, roundTheBorder());
    QTest::qWait(300);
    if (!onlyFastest) {
        std::printf("idle, empty field, no variable walls: %.2f %% of one core over 5 s\n",
                    100 * cpuShareWhile(5000));

        // The slow run: the field and the list change twice a second; stopped after 10 s.
        QTimer::singleShot(10000, &window, &WorkWindow::fixToolButtonStopClick);
        const double cpu = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        window.startRun(RunSpeed::Slow);
        std::printf("slow run for %.1f s: %.2f %% of one core\n", clock.elapsed() / 1000.0,
                    100 * (cpuSeconds() - cpu) / (clock.elapsed() / 1000.0));
        menuItem(window, QStringLiteral("NMainWork"))->trigger();
        menuItem(window, QStringLiteral("NMainDebug"))->setEnabled(true);
        menuItem(window, QStringLiteral("NMainDebug"))->trigger();
    }

    PaintCounter paints(window.findChild<FieldView *>(QStringLiteral("PaintImage")));
    const double cpu = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bool complete = false;
    QObject::connect(tools.runController, &RunController::runEnded, &window,
                     [&complete](RunEnd end) { complete = end == RunEnd::Complete; });
    window.startRun(RunSpeed::Fastest);
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf(
        "fastest run, %d moves: %.3f s = %.0f moves per second, %lld field repaints, CPU %.2f s, %s\n",
        moveCount, seconds, moveCount / seconds, paints.count, cpuSeconds() - cpu,
        complete ? "complete" : "NOT COMPLETE");
    std::printf("executor back at (%d, %d)\n", window.world().executor.column, window.world().executor.row);
    return 0;
}
