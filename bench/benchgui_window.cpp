// The work window under a real X server (Xvfb): the memory with a task open, the CPU
// used when idle and during a slow run, and the moves per second of a 10,000-move run
// at the fastest speed with every move repainted on the screen.

#include "app/field/fieldview.h"
#include "app/shell/windowsystem.h"
#include "app/work/worktools.h"
#include "app/work/workwindow.h"
#include "common/textencoding.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
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

// Counts the repaints of a widget and keeps the rectangle of each.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    QList<QRect> areas;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            areas.append(static_cast<QPaintEvent *>(event)->rect());
        return false;
    }
};

// The toolkit's floor: a bare top-level widget that shows a picture and repaints given
// rectangles of it, each its own screen update, just as the field view does.
class BareView : public QWidget
{
public:
    explicit BareView(const QImage &picture)
        : m_picture(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(picture.size());
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect().topLeft(), m_picture, event->rect());
    }

private:
    QImage m_picture;
};

// Kept apart so that a profiler can count this part alone.
Q_NEVER_INLINE void repaintEach(QWidget &widget, const QList<QRect> &areas)
{
    for (const QRect &area : areas)
        widget.repaint(area);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeTask(const QString &folder, const QStringList &lines)
{
    QFile file(QDir(folder).filePath(QStringLiteral("Zerid.txt")));
    if (file.open(QIODevice::WriteOnly))
        file.write(encodeText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes);
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
// Runs the algorithm at a speed and returns when the run has ended.
RunEnd runToEnd(WorkWindow &window, RunSpeed speed)
{
    QEventLoop loop;
    RunEnd end = RunEnd::Complete;
    QObject::connect(&window.session(), &WorkSession::runEnded, &loop, [&](RunEnd how) {
        end = how;
        loop.quit();
    });
    window.session().chooseSpeed(speed);
    loop.exec();
    return end;
}

QAction *menuItem(const WorkWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

void openWork(WorkWindow &window, const QStringList &algorithm)
{
    menuItem(window, QStringLiteral("NMainBegin"))->trigger();
    menuItem(window, QStringLiteral("NMainWork"))->trigger();
    window.session().algorithm().setLines(algorithm);
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

    // "fastest" runs only the fastest run and its floor (for profiling), "fastest N" N rounds.
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
    attachWorkTools(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    openWork(window, roundTheBorder());
    QTest::qWait(300);
    if (!onlyFastest) {
        std::printf("idle, empty field, no variable walls: %.2f %% of one core over 5 s\n",
                    100 * cpuShareWhile(5000));

        // The slow run: the field and the list change twice a second; stopped after 10 s.
        QTimer::singleShot(10000, &window.session(), &WorkSession::stopRun);
        const double cpu = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        runToEnd(window, RunSpeed::Slow);
        std::printf("slow run for %.1f s: %.2f %% of one core\n", clock.elapsed() / 1000.0,
                    100 * (cpuSeconds() - cpu) / (clock.elapsed() / 1000.0));
        menuItem(window, QStringLiteral("NMainWork"))->trigger();
        menuItem(window, QStringLiteral("NMainDebug"))->setEnabled(true);
        menuItem(window, QStringLiteral("NMainDebug"))->trigger();
    }

    // The program's fastest run and the bare widget repainting the same rectangles, in turn.
    const int rounds = onlyFastest && argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 5;
    QList<double> runSeconds, floorSeconds, ratios, cpuRatios;
    for (int round = 0; round < rounds; ++round) {
        if (round > 0) {
            menuItem(window, QStringLiteral("NMainWork"))->trigger();
            menuItem(window, QStringLiteral("NMainDebug"))->setEnabled(true);
            menuItem(window, QStringLiteral("NMainDebug"))->trigger();
            QTest::qWait(100);
        }
        PaintCounter paints(window.findChild<FieldView *>(QStringLiteral("PaintImage")));
        const double cpu = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        const bool complete = runToEnd(window, RunSpeed::Fastest) == RunEnd::Complete;
        const double seconds = clock.nsecsElapsed() / 1e9;
        const double runCpu = cpuSeconds() - cpu;
        std::printf(
            "fastest run, %d moves: %.3f s = %.0f moves per second, %lld field repaints, CPU %.2f s, %s\n",
            moveCount, seconds, moveCount / seconds, qlonglong(paints.areas.size()), runCpu,
            complete ? "complete" : "NOT COMPLETE");
        if (round == 0)
            std::printf("executor back at (%d, %d)\n", window.session().world().executor.column,
                        window.session().world().executor.row);

        BareView bare(window.session().scene().picture());
        bare.show();
        if (!QTest::qWaitForWindowExposed(&bare))
            return 1;
        QTest::qWait(100);
        const double floorCpu = cpuSeconds();
        clock.start();
        repaintEach(bare, paints.areas);
        const double floor = clock.nsecsElapsed() / 1e9;
        const double floorCpuUsed = cpuSeconds() - floorCpu;
        std::printf("bare widget, the same %lld repaints: %.3f s, CPU %.2f s\n",
                    qlonglong(paints.areas.size()), floor, floorCpuUsed);
        runSeconds.append(seconds);
        floorSeconds.append(floor);
        ratios.append(seconds / floor);
        cpuRatios.append(runCpu / qMax(1e-3, floorCpuUsed));
    }
    const auto spread = [](const QList<double> &values) {
        return std::make_pair(*std::min_element(values.begin(), values.end()),
                              *std::max_element(values.begin(), values.end()));
    };
    std::printf(
        "median of %d rounds: fastest run %.3f s, bare widget %.3f s; run / bare widget: wall time %.2f "
        "(%.2f - %.2f), CPU %.2f (%.2f - %.2f)\n",
        rounds, median(runSeconds), median(floorSeconds), median(ratios), spread(ratios).first,
        spread(ratios).second, median(cpuRatios), spread(cpuRatios).first, spread(cpuRatios).second);
    return 0;
}
