#include "app/editing/editorcontroller.h"
#include "app/editing/panels/procedurenamelist.h"
#include "app/editing/panels/procedurepanel.h"
#include "app/field/fieldview.h"
#include "app/field/patternpanel.h"
#include "app/work/taskloader.h"
#include "app/work/taskstatementpanel.h"
#include "app/work/workmenubar.h"
#include "app/work/worktools.h"
#include "display/fieldscene.h"
#include "editor/algorithmline.h"
#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"
#include "tasks/setup/taskfolder.h"
#include "tasks/setup/tasksetup.h"

#include "app/guihelpers.h"
#include "app/taskhelpers.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestTaskLoader : public QObject
{
    Q_OBJECT

private slots:
    void openExample_data();
    void openExample();
    void fieldOfDetour();
    void damagedTask_data();
    void damagedTask();
    void taskFolderChosen_data();
    void taskFolderChosen();
    void taskFolderDialog();
    void patternMissing();
    void patternPictureSize_data();
    void patternPictureSize();
    void patternToggle();
    void patternDraggedStaysFloating_data();
    void patternDraggedStaysFloating();
    void patternItemWithoutPicture();
    void newTaskStartsNewAlgorithm();
    void wallSwapsOnItsTimer();
    void cancelledLoadLeavesBegin_data();
    void cancelledLoadLeavesBegin();
};

namespace {

QStringList lstTskLines(const WorkWindow &window)
{
    QStringList lines;
    for (int i = 0; i < control<QListWidget>(window, "lstTsk")->count(); ++i)
        lines.append(control<QListWidget>(window, "lstTsk")->item(i)->text());
    return lines;
}

QStringList statisticsRows(const WorkWindow &window)
{
    QStringList rows;
    for (int i = 0; i < control<QListWidget>(window, "ListStatist")->count(); ++i)
        rows.append(control<QListWidget>(window, "ListStatist")->item(i)->text());
    return rows;
}

} // namespace

void TestTaskLoader::openExample_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<int>("statementLines");
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QString>("sizeItems"); // size menu, then 12 … 15
    QTest::addColumn<QString>("timers");

    QTest::newRow("detour: one size, one variable wall") << "detour" << 3 << false << "01111"
                                                         << "100";
    QTest::newRow("letter: pattern, no point B") << "letter" << 2 << true << "01111"
                                                 << "000";
    QTest::newRow("maze: four sizes, three walls") << "maze" << 3 << false << "11111"
                                                   << "111";
}

void TestTaskLoader::openExample()
{
    QFETCH(QString, example);
    QFETCH(int, statementLines);
    QFETCH(bool, pattern);
    QFETCH(QString, sizeItems);
    QFETCH(QString, timers);

    CurrentDirectory current(exampleFolder(example));
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    QSignalSpy loaded(&window.session(), &WorkSession::taskLoaded);
    MessageCollector messages;
    control<QAction>(window, "NMainBegin")->trigger();

    QCOMPARE(loaded.count(), 1);
    QVERIFY(messages.messages.isEmpty());
    const TaskFileResult expected = TaskFolder(exampleFolder(example)).readTask();
    QVERIFY(expected.isOk());
    QCOMPARE(lstTskLines(window), expected.task.statement);
    QCOMPARE(control<QListWidget>(window, "lstTsk")->count(), statementLines);
    QCOMPARE(window.session().task().hasPattern, pattern);

    const QList<QAction *> items{control<QAction>(window, "NMainSize"), control<QAction>(window, "N1212"),
                                 control<QAction>(window, "N1313"), control<QAction>(window, "N1414"),
                                 control<QAction>(window, "N1515")};
    QString enabled;
    for (QAction *item : items)
        enabled += item->isEnabled() ? u'1' : u'0';
    QCOMPARE(enabled, sizeItems);

    QCOMPARE(control<QAction>(window, "NMainPattern")->isVisible(), pattern);
    QCOMPARE(control<PatternPanel>(window, "pnlPattern")->isVisible(), pattern);
    if (pattern) {
        QVERIFY(!control<QLabel>(*control<PatternPanel>(window, "pnlPattern"), "imagePattern")
                     ->pixmap()
                     .isNull());
        QCOMPARE(control<QLabel>(*control<PatternPanel>(window, "pnlPattern"), "lblPattern")->text(),
                 QStringLiteral("Образец:"));
    }

    QString active;
    for (QTimer *timer : window.session().variableWallTimers())
        active += timer->isActive() ? u'1' : u'0';
    QCOMPARE(active, timers);

    // The skeleton with "КОН" selected, the statistics of a new algorithm; the stage stays "Начать".
    QCOMPARE(window.session().algorithm().lines(), algorithmSkeleton(expected.task.hasPointB));
    QCOMPARE(control<QListView>(window, "lstCom")->currentIndex().row(), 4);
    QCOMPARE(statisticsRows(window), resetStatistics());
    QVERIFY(!control<QAction>(window, "NMainBegin")->isEnabled());
    QVERIFY(control<QAction>(window, "NMainWork")->isEnabled());
    QVERIFY(!control<QAction>(window, "NMainDebug")->isEnabled());

    // A task of one size keeps its size menu off in every later stage: the other sizes
    // would show a field the task does not describe.
    control<QAction>(window, "NMainWork")->trigger();
    QCOMPARE(control<QAction>(window, "NMainSize")->isEnabled(), sizeItems.startsWith(u'1'));
}

void TestTaskLoader::fieldOfDetour()
{
    CurrentDirectory current(exampleFolder(QStringLiteral("detour")));
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    control<QAction>(window, "NMainBegin")->trigger();

    // Point А at the top left facing down, point Б below, the variable wall at its first place.
    QCOMPARE(window.session().world().fieldSize, qint16(12));
    QCOMPARE(window.session().world().executor, (ExecutorState{0, 0, 270}));
    QCOMPARE(window.session().world().pointB, (CellPosition{0, 11}));
    QCOMPARE(window.session().world().walls.selectors, (std::array<int, 3>{1, 0, 0}));
    QVERIFY(window.session().world().walls.horizontalWallAt(0, 4));
    QVERIFY(!window.session().world().walls.horizontalWallAt(0, 8));

    // The picture is exactly the task drawn from scratch, and the screen shows it.
    FieldScene expected(window.session().scene().geometry());
    World world = window.session().world();
    expected.drawEmptyField();
    expected.drawTaskObjects(world);
    showVariableWalls(world.walls, &expected);
    QCOMPARE(window.session().scene().picture(), expected.picture());
    const QImage shown =
        control<FieldView>(window, "PaintImage")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, expected.picture().convertToFormat(QImage::Format_RGB32));
}

void TestTaskLoader::damagedTask_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("statement");

    QTest::newRow("no task file") << QStringList{} << "SHAGAIKA_ZERID"
                                  << "Не найден файл Zerid.txt" << QStringList{};
    QTest::newRow("header too short")
        << QStringList{"# 1"} << "SHAGAIKA_ZERID"
        << "'' is not a valid integer value\n\n(Zerid.txt, строка 1)" << QStringList{};
    QTest::newRow("no E line") << QStringList{"# 001 0 1  300", "Дойди до Б.", "Z", "0  1  1   0  5  5", "H"}
                               << "Ошибка. Обратитесь к разработчикам"
                               << "Ошибка в файле задач\n\n(Zerid.txt, строка 6)"
                               << QStringList{"Дойди до Б."};
    QTest::newRow("bad size code") << QStringList{"# 001 0 1  300", "Первая строка.", "Вторая строка.", "Z",
                                                  "X"}
                                   << "SHAGAIKA_ZERID"
                                   << "'X' is not a valid integer value\n\n(Zerid.txt, строка 5)"
                                   << QStringList{"Первая строка.", "Вторая строка."};
}

void TestTaskLoader::damagedTask()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QStringList, statement);

    TaskFolderFixture folder(lines);
    if (lines.isEmpty())
        QFile::remove(folder.filePath(QStringLiteral("Zerid.txt")));
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    // Where no task file is found, the folder dialog that follows is cancelled.
    FileDialogAnswers dialogs;
    window.show();
    QSignalSpy loaded(&window.session(), &WorkSession::taskLoaded);
    MessageCollector messages;
    control<QAction>(window, "NMainBegin")->trigger();

    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].title, caption);
    QCOMPARE(messages.messages[0].text, text);
    QCOMPARE(messages.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(loaded.count(), 0);
    // What was read stays on show; no skeleton, no walls, and "Начать" may be tried again.
    QCOMPARE(lstTskLines(window), statement);
    QVERIFY(control<QAction>(window, "NMainBegin")->isEnabled());
    QVERIFY(!control<QAction>(window, "NMainWork")->isEnabled());
    QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
    QCOMPARE(window.session().world().walls.variableWallCount(), 0);
    for (QTimer *timer : window.session().variableWallTimers())
        QVERIFY(!timer->isActive());
}

void TestTaskLoader::taskFolderChosen_data()
{
    QTest::addColumn<bool>("taskFilePresent");
    QTest::addColumn<QStringList>("answers"); // the folders chosen in turn; empty is a cancel
    QTest::addColumn<bool>("loaded");

    const QString detour = exampleFolder(QStringLiteral("detour"));
    QTest::newRow("task file present: no dialog") << true << QStringList{} << true;
    QTest::newRow("the task's folder chosen") << false << QStringList{detour} << true;
    QTest::newRow("cancelled") << false << QStringList{QString()} << false;
    QTest::newRow("a folder without a task, then the task's")
        << false << QStringList{QStringLiteral("<empty>"), detour} << true;
    QTest::newRow("a folder without a task, then cancelled")
        << false << QStringList{QStringLiteral("<empty>"), QString()} << false;
    QTest::newRow("the start folder deleted, then the task's")
        << false << QStringList{"<start deleted>", detour} << true;
}

void TestTaskLoader::taskFolderChosen()
{
    QFETCH(bool, taskFilePresent);
    QFETCH(QStringList, answers);
    QFETCH(bool, loaded);

    QTemporaryDir home;
    QTemporaryDir empty;
    const QString start = taskFilePresent ? exampleFolder(QStringLiteral("detour")) : home.path();
    CurrentDirectory current(start);
    WorkWindow window(10);
    attachWorkTools(window);
    for (QString &answer : answers) {
        if (answer == QStringLiteral("<empty>"))
            answer = empty.path();
    }
    const bool startDeleted = answers.removeOne(QStringLiteral("<start deleted>"));
    FileDialogAnswers dialogs(answers);
    window.show();
    QSignalSpy loadedSpy(&window.session(), &WorkSession::taskLoaded);
    MessageCollector messages;
    QVERIFY(!startDeleted || QDir(home.path()).removeRecursively());
    control<QAction>(window, "NMainBegin")->trigger();

    // Each folder without a task is reported as the loader reports it, then the dialog follows.
    QCOMPARE(messages.messages.size(), dialogs.asked.size());
    for (const MessageCollector::Message &message : messages.messages) {
        const QString gone = "Не найден путь " + QDir::toNativeSeparators(home.path());
        QCOMPARE(message.text, startDeleted ? gone : QStringLiteral("Не найден файл Zerid.txt"));
        QVERIFY(startDeleted || message.title == QStringLiteral("SHAGAIKA_ZERID"));
    }
    QCOMPARE(dialogs.asked.size(), answers.size());
    QVERIFY(dialogs.answers.isEmpty());
    for (const FileDialogAnswers::Asked &asked : dialogs.asked) {
        QCOMPARE(asked.title, QStringLiteral("Укажите папку с задачей"));
        QCOMPARE(asked.parent, &window);
    }
    QCOMPARE(loadedSpy.count(), loaded ? 1 : 0);
    if (!taskFilePresent && !startDeleted)
        QCOMPARE(dialogs.asked.first().currentPath, QDir(home.path()).canonicalPath());

    if (loaded) {
        const QString detour = QDir(exampleFolder(QStringLiteral("detour"))).canonicalPath();
        QCOMPARE(QDir::current().canonicalPath(), detour);
        const TaskFileResult expected = TaskFolder(detour).readTask();
        QCOMPARE(lstTskLines(window), expected.task.statement);
        QCOMPARE(window.session().algorithm().lines(), algorithmSkeleton(true));
        QCOMPARE(window.session().world().walls.variableWallCount(), 1);
        QVERIFY(control<QTimer>(window, "Timer1")->isActive());
    } else {
        // Nothing loaded: back before "Начать", which may be tried again.
        QVERIFY(lstTskLines(window).isEmpty());
        QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
        QVERIFY(control<QAction>(window, "NMainBegin")->isEnabled());
        QVERIFY(!control<QAction>(window, "NMainWork")->isEnabled());
        QCOMPARE(window.session().world().walls.variableWallCount(), 0);
    }
}

void TestTaskLoader::taskFolderDialog()
{
    QTemporaryDir home;
    CurrentDirectory current(home.path());
    // The loader opens the window system's dialog; it is cancelled here.
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    MessageCollector messages;
    FileDialogAnswers answers;
    control<QAction>(window, "NMainBegin")->trigger();
    QCOMPARE(answers.asked.size(), 1);
    const FileDialogAnswers::Asked &shown = answers.asked.first();
    QCOMPARE(shown.title, QStringLiteral("Укажите папку с задачей"));
    QCOMPARE(shown.fileMode, QFileDialog::Directory);
    QVERIFY(shown.options.testFlag(QFileDialog::ShowDirsOnly));
    QCOMPARE(shown.nameFilters, QStringList{QStringLiteral("папки (*)")});
    QCOMPARE(QDir(shown.directory).canonicalPath(), QDir(home.path()).canonicalPath());
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
}

void TestTaskLoader::patternMissing()
{
    TaskFolderFixture folder({"# 002 1 0  300", "Нарисуй.", "Z", "0  3  2   0", "E"});
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    MessageCollector messages;
    control<QAction>(window, "NMainBegin")->trigger();

    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Ошибка. Переустановите \"Шагайку\""));
    QCOMPARE(messages.messages[0].text, QStringLiteral("Не найден файл zerid.bmp"));
    // The statement and the size data stay loaded; the field and the skeleton are not made.
    QCOMPARE(lstTskLines(window), QStringList{"Нарисуй."});
    QCOMPARE(window.session().task().size(12).start, (StartPosition{3, 2, 0}));
    QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
    QVERIFY(!control<PatternPanel>(window, "pnlPattern")->isVisible());
}

void TestTaskLoader::patternPictureSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("own size") << QSize(300, 250) << QSize(300, 250);
    QTest::newRow("small, at least 100") << QSize(40, 30) << QSize(100, 100);
    QTest::newRow("narrow") << QSize(50, 400) << QSize(100, 400);
    QTest::newRow("large, at most 600") << QSize(900, 600) << QSize(600, 400);
}

void TestTaskLoader::patternPictureSize()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);

    WorkWindow window(10);
    PatternPanel panel(window, window.taskStatement());
    QImage image(picture, QImage::Format_RGB32);
    image.fill(Qt::blue);
    panel.setPicture(image);
    QCOMPARE(control<QLabel>(panel, "imagePattern")->size(), shown);
    const QWidget *area = control(panel, "patternArea");
    QVERIFY(area->width() >= shown.width());
    QVERIFY(area->height() >= shown.height());
}

void TestTaskLoader::patternToggle()
{
    CurrentDirectory current(exampleFolder(QStringLiteral("letter")));
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    control<QAction>(window, "NMainBegin")->trigger();
    PatternPanel *panel = control<PatternPanel>(window, "pnlPattern");
    QVERIFY(panel->isVisible());
    QVERIFY(panel->isWindow());
    QCOMPARE(control<QLabel>(*panel, "imagePattern")->size(), QSize(300, 300));
    // First shown at the top of the task panel, its right edge 80 pixels beyond it.
    const QRect task = control(window, "pnlTskNew")->geometry();
    QCOMPARE(
        panel->pos(),
        window.centralWidget()->mapToGlobal(QPoint(task.x() + task.width() + 80 - panel->width(), task.y())));

    for (const QPoint shift : {QPoint(0, 0), QPoint(-120, 90)}) {
        panel->move(panel->pos() + shift);
        const QPoint where = panel->pos();
        control<QAction>(window, "NMainPattern")->trigger();
        QVERIFY(!panel->isVisible());
        control<QAction>(window, "NMainPattern")->trigger();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->pos(), where);
    }

    // Its own close button hides it; "Образец" brings it back.
    QTest::mouseClick(control<QToolButton>(*panel, "closePattern"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    control<QAction>(window, "NMainPattern")->trigger();
    QVERIFY(panel->isVisible());
}

void TestTaskLoader::patternDraggedStaysFloating_data()
{
    QTest::addColumn<QPoint>("shift");
    QTest::newRow("up and left, over the menu bar") << QPoint(-200, -300);
    QTest::newRow("down, over the field") << QPoint(200, 300);
    QTest::newRow("over the task panel") << QPoint(-400, 10);
    QTest::newRow("over the status bar") << QPoint(-100, 700);
}

void TestTaskLoader::patternDraggedStaysFloating()
{
    QFETCH(QPoint, shift);
    CurrentDirectory current(exampleFolder(QStringLiteral("letter")));
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect client = window.centralWidget()->geometry();
    control<QAction>(window, "NMainBegin")->trigger();
    PatternPanel *panel = control<PatternPanel>(window, "pnlPattern");
    QVERIFY(panel->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    QCOMPARE(window.centralWidget()->geometry(), client);

    // Dragged by its label and dropped: a window of its own where it was dropped.
    const QPoint start = panel->pos();
    QLabel *title = control<QLabel>(*panel, "lblPattern");
    const QPoint grip(10, title->height() / 2);
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, grip);
    // The pointer's place on the screen; the label moves with the panel under it.
    const QPoint pressedAt = start + title->mapTo(panel, grip);
    const auto sendMouse = [title](QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                                   Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(title->mapFromGlobal(global)), QPointF(global), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    };
    for (int step = 1; step <= 4; ++step)
        sendMouse(QEvent::MouseMove, pressedAt + shift * step / 4, Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, pressedAt + shift, Qt::LeftButton, Qt::NoButton);
    // Nor does a double click on its label put it anywhere else.
    sendMouse(QEvent::MouseButtonDblClick, pressedAt + shift, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, pressedAt + shift, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();

    QVERIFY(panel->isWindow());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), start + shift);
    QCOMPARE(window.centralWidget()->geometry(), client);
    // The work window keeps no place where it could dock.
    for (QDockWidget *dock : window.findChildren<QDockWidget *>())
        QCOMPARE(window.dockWidgetArea(dock), Qt::NoDockWidgetArea);
    // "Образец" hides and shows it where it was dropped; the window stays as it was.
    control<QAction>(window, "NMainPattern")->trigger();
    QVERIFY(!panel->isVisible());
    QCOMPARE(window.centralWidget()->geometry(), client);
    control<QAction>(window, "NMainPattern")->trigger();
    QVERIFY(panel->isVisible());
    QVERIFY(panel->isWindow());
    QCOMPARE(panel->pos(), start + shift);
    QCOMPARE(window.centralWidget()->geometry(), client);
}

void TestTaskLoader::patternItemWithoutPicture()
{
    // A drawing task whose picture is missing: the load stops before the picture.
    TaskFolderFixture folder({"# 002 1 0  300", "Нарисуй.", "Z", "0  3  2   0", "E"});
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    {
        MessageCollector messages;
        control<QAction>(window, "NMainBegin")->trigger();
        QCOMPARE(messages.messages.size(), 1);
    }
    QVERIFY(!control<PatternPanel>(window, "pnlPattern")->hasPicture());
    control<QAction>(window, "NMainPattern")->trigger();
    QVERIFY(!control<PatternPanel>(window, "pnlPattern")->isVisible());
    control<QAction>(window, "NMainPattern")->trigger();
    QVERIFY(!control<PatternPanel>(window, "pnlPattern")->isVisible());
}

void TestTaskLoader::newTaskStartsNewAlgorithm()
{
    CurrentDirectory current(exampleFolder(QStringLiteral("detour")));
    WorkWindow window(10);
    const WorkTools tools = attachWorkTools(window);
    EditorController *editor = attachEditor(window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control<QAction>(window, "NMainBegin")->trigger();
    control<QAction>(window, "NMainWork")->trigger();

    // A procedure described and called, so that names, statistics and undo steps are there.
    control<QListView>(window, "lstCom")->setFocus();
    QTest::keyClick(control<QListView>(window, "lstCom"), Qt::Key_F5);
    QVERIFY(control(window, "PanelProc")->isVisible());
    control<QLineEdit>(window, "EditNewProc")->setFocus();
    typeText(control<QLineEdit>(window, "EditNewProc"), QStringLiteral("обход"));
    QTest::keyClick(control<QLineEdit>(window, "EditNewProc"), Qt::Key_Return);
    QTest::keyClick(control<QLineEdit>(window, "EditNewProc"), Qt::Key_Escape);
    control<QListView>(window, "lstCom")->setFocus();
    QTest::keyClick(control<QListView>(window, "lstCom"), Qt::Key_F2);
    QCOMPARE(control<ProcedureNameList>(window, "ListBoxProc")->names(),
             QStringList{QStringLiteral("обход")});
    QVERIFY(editor->isModified());
    const QStringList edited = window.session().algorithm().lines();
    QVERIFY(statisticsRows(window) != resetStatistics());

    // The next load of a task, as a fresh start of the work window does it.
    window.session().begin();
    QVERIFY(tools.taskLoader->loadTask());
    QVERIFY(control<ProcedureNameList>(window, "ListBoxProc")->names().isEmpty());
    QVERIFY(!editor->isModified());
    QCOMPARE(statisticsRows(window), resetStatistics());

    // Undo has nothing of the old algorithm to bring back.
    control<QAction>(window, "NMainWork")->trigger();
    control<QListView>(window, "lstCom")->setFocus();
    QTest::keyClick(control<QListView>(window, "lstCom"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.session().algorithm().lines(), algorithmSkeleton(true));
    QVERIFY(window.session().algorithm().lines() != edited);
    QVERIFY(control<ProcedureNameList>(window, "ListBoxProc")->names().isEmpty());
    // Nor redo anything undone before.
    QTest::keyClick(control<QListView>(window, "lstCom"), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.session().algorithm().lines(), algorithmSkeleton(true));
}

void TestTaskLoader::wallSwapsOnItsTimer()
{
    CurrentDirectory current(exampleFolder(QStringLiteral("detour")));
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    control<QAction>(window, "NMainBegin")->trigger();
    QCOMPARE(control<QTimer>(window, "Timer1")->interval(), 5000);
    const QImage before = window.session().scene().picture();

    // The real timer, made quick for the test.
    control<QTimer>(window, "Timer1")->setInterval(20);
    QSignalSpy tick(control<QTimer>(window, "Timer1"), &QTimer::timeout);
    QVERIFY(tick.wait(2000));
    QCOMPARE(window.session().world().walls.selectors[0], 2);
    QVERIFY(window.session().world().walls.horizontalWallAt(0, 8));
    QVERIFY(!window.session().world().walls.horizontalWallAt(0, 4));
    QVERIFY(window.session().scene().picture() != before);
    const QImage shown =
        control<FieldView>(window, "PaintImage")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, window.session().scene().picture().convertToFormat(QImage::Format_RGB32));
}

void TestTaskLoader::cancelledLoadLeavesBegin_data()
{
    QTest::addColumn<QStringList>("lines"); // of the task file; none: no task file
    QTest::addColumn<int>("messageCount");
    QTest::newRow("folder dialog cancelled") << QStringList{} << 1;
    QTest::newRow("damaged task") << QStringList{"# 001 0 1  300", "Первая строка.", "Z", "X"} << 1;
    QTest::newRow("pattern missing") << QStringList{"# 002 1 0  300", "Нарисуй.", "Z", "0  3  2   0", "E"}
                                     << 1;
}

void TestTaskLoader::cancelledLoadLeavesBegin()
{
    QFETCH(QStringList, lines);
    QFETCH(int, messageCount);
    TaskFolderFixture folder(lines);
    if (lines.isEmpty())
        QFile::remove(folder.filePath(QStringLiteral("Zerid.txt")));
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    attachEditor(window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy commands(&window, &WorkWindow::panelCommandTriggered);
    {
        FileDialogAnswers dialogs;
        MessageCollector messages;
        control<QAction>(window, "NMainBegin")->trigger();
        QCOMPARE(messages.messages.size(), messageCount);
    }
    QVERIFY(control<QAction>(window, "NMainBegin")->isEnabled());
    for (const char *name : {"NMainWork", "NMainDebug"})
        QVERIFY2(!control<QAction>(window, name)->isEnabled(), name);
    // The function keys insert nothing into an algorithm that has no task.
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F7, Qt::Key_F8})
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key);
    QCOMPARE(commands.count(), 0);
    QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
    QVERIFY(!control<QAction>(window, "NMainDebug")->isEnabled());

    // Tried again, with the task's folder chosen this time, the task opens.
    QSignalSpy loaded(&window.session(), &WorkSession::taskLoaded);
    {
        FileDialogAnswers dialogs({exampleFolder(QStringLiteral("detour"))});
        MessageCollector messages;
        control<QAction>(window, "NMainBegin")->trigger();
    }
    if (lines.isEmpty()) {
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(window.session().algorithm().lines(), algorithmSkeleton(true));
        QVERIFY(!control<QAction>(window, "NMainBegin")->isEnabled());
        QVERIFY(control<QAction>(window, "NMainWork")->isEnabled());
    } else {
        // The damaged task is still in the current folder: the same refusal, the same way out.
        QCOMPARE(loaded.count(), 0);
        QVERIFY(control<QAction>(window, "NMainBegin")->isEnabled());
    }
}

QTEST_MAIN(TestTaskLoader)
#include "tst_taskloader.moc"
