// The editor's window on the offscreen platform: clicks and drags on the field's edges and
// cells put walls, points and variable walls into the task, and what is saved loads back.
#include "app/guihelpers.h"
#include "filehelpers.h"
#include "taskedit/taskeditwindow.h"
#include "taskedit/taskfieldview.h"
#include "tasks/file/taskfilewriter.h"
#include "tasks/setup/taskfolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

namespace {

// The middle of an edge, in the view's coordinates, nudged a few pixels into the given cell
// side so that the click is near the edge but not exactly on it.
QPoint edgePoint(const TaskFieldView *view, bool horizontal, int column, int row, int nudge = 2)
{
    const FieldGeometry &g = view->geometry();
    const QPoint centre = g.cellCentre(column, row);
    const QPoint point = horizontal ? QPoint(centre.x(), g.layoutUnit + (row + 1) * g.cellSize - nudge)
                                    : QPoint(g.layoutUnit + (column + 1) * g.cellSize - nudge, centre.y());
    return view->toWidget(point);
}

QPoint cellPoint(const TaskFieldView *view, int column, int row)
{
    return view->toWidget(view->geometry().cellCentre(column, row));
}

// While the owner lives, every message box is noted and answered with the button of that
// caption (none: closed as it is); file dialogs are left to their own answers.
void answerMessages(QObject *owner, const QString &button, QStringList *seen)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [button, seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        seen->append(box->text());
        QAbstractButton *chosen = nullptr;
        for (QAbstractButton *candidate : box->buttons()) {
            if (candidate->text() == button)
                chosen = candidate;
        }
        if (chosen)
            QTimer::singleShot(0, chosen, &QAbstractButton::click);
        else
            QTimer::singleShot(0, box, &QMessageBox::accept);
    });
    timer->start();
}

} // namespace

class TestTaskEditWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickOnAnEdge_data();
    void clickOnAnEdge();
    void dragDrawsAWallLine();
    void clicksOnCellsPlacePoints();
    void variableWallByTwoEdges();
    void everySizeHasItsOwnField();
    void problemsAreListedWithTheirPlace();
    void savedTaskLoadsBack();
    void fileNamedOpensItsFolder_data();
    void fileNamedOpensItsFolder();
    void referenceMustBeAnAlgorithm_data();
    void referenceMustBeAnAlgorithm();
    void savingIntoAnotherTasksFolder_data();
    void savingIntoAnotherTasksFolder();
    void savedUnderTheNamesFoundInTheFolder_data();
    void savedUnderTheNamesFoundInTheFolder();
    void patternMadeOverAPicture_data();
    void patternMadeOverAPicture();
    void patternPictureProblems_data();
    void patternPictureProblems();
    void savingOverAFileChangedOnDisk_data();
    void savingOverAFileChangedOnDisk();
    void aFailedSaveKeepsTheFolder_data();
    void aFailedSaveKeepsTheFolder();
    void problemsAreReadWhole_data();
    void problemsAreReadWhole();
    void everySizeTabIsInSight_data();
    void everySizeTabIsInSight();
    void keysUndoAndRedo_data();
    void keysUndoAndRedo();
    void tabWalksTheForm_data();
    void tabWalksTheForm();
    void keysDrawOnTheField_data();
    void keysDrawOnTheField();
    void fileFromElsewhere_data();
    void fileFromElsewhere();

private:
    TaskEditWindow *m_window = nullptr;
};

void TestTaskEditWindow::init()
{
    m_window = new TaskEditWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestTaskEditWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestTaskEditWindow::clickOnAnEdge_data()
{
    QTest::addColumn<bool>("isHorizontal");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("nudge");
    QTest::addColumn<bool>("walled");

    QTest::newRow("vertical edge from the left cell") << false << 3 << 4 << 2 << true;
    QTest::newRow("vertical edge from the right cell") << false << 3 << 4 << -3 << true;
    QTest::newRow("horizontal edge") << true << 5 << 6 << 2 << true;
    QTest::newRow("last inner edge") << false << 10 << 11 << 1 << true;
    QTest::newRow("right border") << false << 11 << 4 << 2 << false;
    QTest::newRow("middle of a cell") << true << 5 << 6 << 20 << false;
}

void TestTaskEditWindow::clickOnAnEdge()
{
    QFETCH(bool, isHorizontal);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, nudge);
    QFETCH(bool, walled);

    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    const CellPosition cell{qint16(column), qint16(row)};
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, isHorizontal, column, row, nudge));
    QCOMPARE(m_window->model().hasWall(12, isHorizontal, cell), walled);
    const WallSet walls = m_window->model().task().size(12).walls;
    QCOMPARE(walls.horizontal.size() + walls.vertical.size(), walled ? 1 : 0);
    // A second click takes the wall away again.
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, isHorizontal, column, row, nudge));
    QVERIFY(!m_window->model().hasWall(12, isHorizontal, cell));
}

void TestTaskEditWindow::dragDrawsAWallLine()
{
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    QTest::mousePress(view, Qt::LeftButton, {}, edgePoint(view, false, 2, 0));
    // Along the edge line, crossing the corners where horizontal edges are near as well.
    for (int y = edgePoint(view, false, 2, 0).y(); y <= edgePoint(view, false, 2, 5).y(); y += 4)
        QTest::mouseMove(view, QPoint(edgePoint(view, false, 2, 0).x(), y));
    QTest::mouseRelease(view, Qt::LeftButton, {}, edgePoint(view, false, 2, 5));
    QList<CellPosition> expected;
    for (qint16 row = 0; row <= 5; ++row)
        expected.append({2, row});
    QCOMPARE(m_window->model().task().size(12).walls.vertical, expected);
    QVERIFY(m_window->model().task().size(12).walls.horizontal.isEmpty());

    // One step of the history; a drag from a wall takes walls away.
    m_window->model().undo();
    QVERIFY(m_window->model().task().size(12).walls.vertical.isEmpty());
    m_window->model().redo();
    QTest::mousePress(view, Qt::LeftButton, {}, edgePoint(view, false, 2, 1));
    QTest::mouseMove(view, edgePoint(view, false, 2, 2));
    QTest::mouseMove(view, edgePoint(view, false, 2, 3));
    QTest::mouseRelease(view, Qt::LeftButton, {}, edgePoint(view, false, 2, 3));
    QCOMPARE(m_window->model().task().size(12).walls.vertical, (QList<CellPosition>{{2, 0}, {2, 4}, {2, 5}}));
}

void TestTaskEditWindow::clicksOnCellsPlacePoints()
{
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    m_window->setTool(EditTool::StartPoint);
    QTest::mouseClick(view, Qt::LeftButton, {}, cellPoint(view, 4, 7));
    QCOMPARE(m_window->model().task().size(12).start, (StartPosition{4, 7, 0}));
    // The wheel and the space bar turn А, counter-clockwise as ПОВОРОТ does.
    QWheelEvent wheel(cellPoint(view, 4, 7), view->mapToGlobal(cellPoint(view, 4, 7)), {}, QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    QCOMPARE(m_window->model().task().size(12).start.heading, 90);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(m_window->model().task().size(12).start.heading, 180);

    m_window->setTool(EditTool::TargetPoint);
    QTest::mouseClick(view, Qt::LeftButton, {}, cellPoint(view, 9, 2));
    QCOMPARE(m_window->model().task().size(12).pointB, (CellPosition{9, 2}));
    // No wall is drawn with the point tools, even near an edge.
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, false, 9, 2));
    QVERIFY(m_window->model().task().size(12).walls.vertical.isEmpty());
}

void TestTaskEditWindow::variableWallByTwoEdges()
{
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    m_window->setTool(EditTool::VariableWall);
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, true, 3, 4));
    // The first position alone makes no wall yet.
    QVERIFY(m_window->model().task().size(12).walls.variable.isEmpty());
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, false, 5, 6));
    const QList<VariableWall> walls = m_window->model().task().size(12).walls.variable;
    QCOMPARE(walls.size(), 1);
    QCOMPARE(walls.first(), (VariableWall{{QStringLiteral("H"), 3, 4}, {QStringLiteral("V"), 5, 6}}));
    QVERIFY(m_window->model().task().size(12).walls.horizontal.isEmpty());
    // A click on one of its positions removes it.
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, false, 5, 6));
    QVERIFY(m_window->model().task().size(12).walls.variable.isEmpty());
}

void TestTaskEditWindow::everySizeHasItsOwnField()
{
    QVERIFY(m_window->model().addSize(15));
    auto *tabs = m_window->findChild<QTabBar *>();
    tabs->setCurrentIndex(tabs->count() - 1);
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("15 × 15"));
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    QCOMPARE(view->fieldSize(), 15);
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, false, 13, 14));
    QVERIFY(m_window->model().hasWall(15, false, {13, 14}));
    QVERIFY(!m_window->model().hasWall(12, false, {13, 14}));
    tabs->setCurrentIndex(0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("12 × 12"));
    QCOMPARE(view->fieldSize(), 12);
}

void TestTaskEditWindow::problemsAreListedWithTheirPlace()
{
    // Б at (11, 11) shut in by two walls: the list says so with Б's line and column.
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, false, 10, 11));
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, true, 11, 10));
    const QList<QListWidgetItem *> found =
        m_window->findChild<QListWidget *>(QStringLiteral("problems"))
            ->findItems(QStringLiteral("не дойти до точки Б (11,11)"), Qt::MatchContains);
    QCOMPARE(found.size(), 1);
    QVERIFY(found.first()->text().startsWith(QStringLiteral("строка 3, столбец 13:")));
    m_window->model().undo();
    QVERIFY(m_window->findChild<QListWidget *>(QStringLiteral("problems"))
                ->findItems(QStringLiteral("не дойти"), Qt::MatchContains)
                .isEmpty());
}

void TestTaskEditWindow::savedTaskLoadsBack()
{
    QTemporaryDir dir;
    QVERIFY(m_window->openFolder(dir.path()));
    m_window->model().setStatement({QStringLiteral("Доведите Шагайку до точки Б.")});
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, true, 1, 1));
    QVERIFY(m_window->save());
    QVERIFY(!m_window->model().isModified());
    const TaskFileResult read = TaskFolder(dir.path()).readTask();
    QVERIFY(read.isOk());
    QCOMPARE(read.task, m_window->model().task());
    QVERIFY(read.task.size(12).walls.horizontal.contains(CellPosition{1, 1}));
}

void TestTaskEditWindow::referenceMustBeAnAlgorithm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said"); // empty: taken as the reference

    QFile solution(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter/solution.txt"));
    QVERIFY(solution.open(QIODevice::ReadOnly));
    QTest::newRow("the example's solution") << solution.readAll() << QString();
    QTest::newRow("an empty file") << QByteArray() << QStringLiteral("— не алгоритм: пустой файл");
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << QStringLiteral("— не алгоритм: нет строки «НАЧ»");
    QTest::newRow("a text cut off after НАЧ")
        << QStringLiteral("АЛГОРИТМ А\r\nНАЧ\r\n    ШАГ\r\n").toUtf8()
        << QStringLiteral("— не алгоритм: нет строки «КОН» после «НАЧ»");
}

void TestTaskEditWindow::fileNamedOpensItsFolder_data()
{
    QTest::addColumn<QString>("named");
    QTest::newRow("the folder") << QString();
    QTest::newRow("its task file") << QStringLiteral("Zerid.txt");
    QTest::newRow("its pattern picture") << QStringLiteral("zerid.bmp");
    QTest::newRow("its reference") << QStringLiteral("solution.txt");
}

// The menu entry passes a file dropped on it; the editor then opens the task beside it, not a
// new task to be saved into a "folder" that is a file.
void TestTaskEditWindow::fileNamedOpensItsFolder()
{
    QFETCH(QString, named);
    const QString folder = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter");
    QVERIFY(m_window->openFolder(named.isEmpty() ? folder : folder + QLatin1Char('/') + named));
    QCOMPARE(m_window->folder(), QDir(folder).absolutePath());
    const TaskData task = m_window->model().task();
    QVERIFY(task.hasPattern);
    QVERIFY(!task.statement.isEmpty());
}

// A drawing task's pattern is made from the reference, so a file that draws nothing because it
// is no algorithm must not pass for one.
void TestTaskEditWindow::referenceMustBeAnAlgorithm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QVERIFY(m_window->openFolder(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter")));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString reference = dir.filePath(QStringLiteral("reference.txt"));
    QVERIFY(writeBytes(reference, bytes));

    SeenMessage seen;
    closeNextMessage(&seen);
    const bool taken = m_window->setReference(reference);

    QCOMPARE(taken, said.isEmpty());
    QCOMPARE(seen.count, said.isEmpty() ? 0 : 1);
    QVERIFY2(seen.text.contains(said), qPrintable(seen.text));
    // Only a reference taken offers to make the pattern picture from it.
    QPushButton *makePattern = nullptr;
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        if (button->text().startsWith(QStringLiteral("Сделать образец")))
            makePattern = button;
    }
    QVERIFY(makePattern);
    QCOMPARE(makePattern->isEnabled(), said.isEmpty());
}

void TestTaskEditWindow::savingIntoAnotherTasksFolder_data()
{
    QTest::addColumn<bool>("hasTask");
    QTest::addColumn<QString>("answer"); // the button pressed in the question, if one is asked
    QTest::addColumn<bool>("isSaved");

    QTest::newRow("a folder without a task") << false << QString() << true;
    QTest::newRow("a task there, replaced") << true << QStringLiteral("Заменить") << true;
    QTest::newRow("a task there, kept") << true << QStringLiteral("Отмена") << false;
}

// Saving a task into another folder must not replace the task file that stands there unasked.
void TestTaskEditWindow::savingIntoAnotherTasksFolder()
{
    QFETCH(bool, hasTask);
    QFETCH(QString, answer);
    QFETCH(bool, isSaved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString taskFile = dir.filePath(QStringLiteral("Zerid.txt"));
    const QByteArray oldBytes = readBytes(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter/Zerid.txt"));
    if (hasTask)
        QVERIFY(writeBytes(taskFile, oldBytes));
    m_window->model().setStatement({QStringLiteral("Доведите Шагайку до точки Б.")});

    FileDialogAnswers folders({dir.path()});
    // The question comes after the folder dialog, so the watch waits for a message box.
    QString asked;
    QTimer questions;
    questions.setInterval(5);
    connect(&questions, &QTimer::timeout, [&asked, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !asked.isEmpty())
            return;
        asked = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                QTimer::singleShot(0, button, &QAbstractButton::click);
        }
    });
    questions.start();
    QCOMPARE(m_window->save(), isSaved);

    QCOMPARE(folders.asked.size(), 1);
    QCOMPARE(asked.contains(QStringLiteral("уже есть файл задачи Zerid.txt")), hasTask);
    const TaskFileResult read = TaskFolder(dir.path()).readTask();
    if (isSaved) {
        QVERIFY(read.isOk());
        QCOMPARE(read.task, m_window->model().task());
    } else {
        QCOMPARE(readBytes(taskFile), oldBytes);
    }
}

void TestTaskEditWindow::savedUnderTheNamesFoundInTheFolder_data()
{
    QTest::addColumn<QString>("taskName");
    QTest::addColumn<QString>("patternName");

    QTest::newRow("the usual names") << "Zerid.txt"
                                     << "zerid.bmp";
    QTest::newRow("copied from a Windows disk") << "ZERID.TXT"
                                                << "ZERID.BMP";
    QTest::newRow("in small letters") << "zerid.txt"
                                      << "Zerid.bmp";
}

// The task and its pattern are found in any case of letters, so they are written back under
// the names they have: a second file beside them would leave two tasks in the folder.
void TestTaskEditWindow::savedUnderTheNamesFoundInTheFolder()
{
    QFETCH(QString, taskName);
    QFETCH(QString, patternName);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::copy(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter/Zerid.txt"),
                        dir.filePath(taskName)));
    // A small picture, unlike the pattern the reference makes.
    QImage small(2, 2, QImage::Format_RGB888);
    small.fill(Qt::white);
    QVERIFY(small.save(dir.filePath(patternName), "BMP"));
    QFile pattern(dir.filePath(patternName));

    QVERIFY(m_window->openFolder(dir.path()));
    m_window->model().setStatement({QStringLiteral("Нарисуйте букву Т.")});
    QVERIFY(m_window->save());
    QVERIFY(m_window->setReference(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter/solution.txt")));
    QObject watches;
    QStringList asked;
    answerMessages(&watches, QStringLiteral("Заменить"), &asked);
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        if (button->text().startsWith(QStringLiteral("Сделать образец")))
            QTest::mouseClick(button, Qt::LeftButton);
    }

    QCOMPARE(asked.size(), 1);
    QStringList expected{taskName, patternName};
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    const TaskFileResult read = TaskFolder(dir.path()).readTask();
    QVERIFY(read.isOk());
    QCOMPARE(read.task, m_window->model().task());
    QVERIFY(pattern.open(QIODevice::ReadOnly));
    QCOMPARE(QImage::fromData(pattern.readAll()).size(), QSize(300, 300));
}

void TestTaskEditWindow::patternMadeOverAPicture_data()
{
    QTest::addColumn<bool>("isNew");      // a new task, saved into the folder by the button itself
    QTest::addColumn<bool>("hasPicture"); // the folder already holds a picture of the teacher's
    QTest::addColumn<int>("makes");       // presses of "Сделать образец"
    QTest::addColumn<QString>("answer");  // the button pressed in a question, if one is asked
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("isKept"); // the teacher's picture is still there at the end

    QTest::newRow("no picture there") << false << false << 1 << QString() << 0 << false;
    QTest::newRow("a picture there, replaced")
        << false << true << 1 << QStringLiteral("Заменить") << 1 << false;
    QTest::newRow("a picture there, kept") << false << true << 1 << QStringLiteral("Отмена") << 1 << true;
    QTest::newRow("its own picture made again") << false << false << 2 << QString() << 0 << false;
    QTest::newRow("made again after the teacher kept a picture")
        << false << true << 2 << QStringLiteral("Отмена") << 2 << true;
    QTest::newRow("a new task saved beside a picture, kept")
        << true << true << 1 << QStringLiteral("Отмена") << 1 << true;
}

// A pattern picture the teacher drew or copied into the folder is gone once the button writes
// over it, so the button asks first; a picture this window has just made is no such loss.
void TestTaskEditWindow::patternMadeOverAPicture()
{
    QFETCH(bool, isNew);
    QFETCH(bool, hasPicture);
    QFETCH(int, makes);
    QFETCH(QString, answer);
    QFETCH(int, questions);
    QFETCH(bool, isKept);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString example = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter/");
    const QString pattern = dir.filePath(QStringLiteral("zerid.bmp"));
    // A small picture, unlike the pattern the reference makes.
    QImage small(2, 2, QImage::Format_RGB888);
    small.fill(Qt::white);
    if (hasPicture)
        QVERIFY(small.save(pattern, "BMP"));
    const QByteArray teachers = readBytes(pattern);
    if (isNew) {
        m_window->model().setStatement({QStringLiteral("Нарисуйте букву Т.")});
        m_window->model().setHasPattern(true);
    } else {
        QVERIFY(
            QFile::copy(example + QStringLiteral("Zerid.txt"), dir.filePath(QStringLiteral("Zerid.txt"))));
        QVERIFY(m_window->openFolder(dir.path()));
    }
    QVERIFY(m_window->setReference(example + QStringLiteral("solution.txt")));

    FileDialogAnswers folders({dir.path()});
    QObject watches;
    QStringList asked;
    answerMessages(&watches, answer, &asked);
    for (int make = 0; make < makes; ++make) {
        for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
            if (button->text().startsWith(QStringLiteral("Сделать образец")))
                QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    QCOMPARE(asked.size(), questions);
    for (const QString &question : std::as_const(asked))
        QVERIFY2(question.contains(QStringLiteral("уже есть картинка образца zerid.bmp")),
                 qPrintable(question));
    QCOMPARE(folders.asked.size(), isNew ? 1 : 0);
    QVERIFY(TaskFolder(dir.path()).readTask().isOk());
    if (isKept)
        QCOMPARE(readBytes(pattern), teachers);
    else
        QCOMPARE(QImage(pattern).size(), QSize(300, 300));
}

void TestTaskEditWindow::patternPictureProblems_data()
{
    QTest::addColumn<QString>("picture"); // what stands in the folder as zerid.bmp: "example", "text" or none
    QTest::addColumn<QString>("said");    // the pattern's problem; empty: none

    QTest::newRow("the example's picture") << "example" << QString();
    QTest::newRow("no picture") << QString() << QStringLiteral("картинки zerid.bmp в папке задачи нет");
    QTest::newRow("a text named as the picture")
        << "text" << QStringLiteral("картинка образца zerid.bmp не читается: не картинка");
}

// The list says "the pupil's program will load it" only when it will, picture included.
void TestTaskEditWindow::patternPictureProblems()
{
    QFETCH(QString, picture);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString example = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter/");
    QVERIFY(QFile::copy(example + QStringLiteral("Zerid.txt"), dir.filePath(QStringLiteral("Zerid.txt"))));
    const QString pattern = dir.filePath(QStringLiteral("zerid.bmp"));
    if (picture == QLatin1String("example"))
        QVERIFY(QFile::copy(example + QStringLiteral("zerid.bmp"), pattern));
    if (picture == QLatin1String("text"))
        QVERIFY(writeBytes(pattern, "Нарисуйте букву Т."));

    QVERIFY(m_window->openFolder(dir.path()));

    QStringList listed;
    const auto *problems = m_window->findChild<QListWidget *>(QStringLiteral("problems"));
    QVERIFY(problems);
    for (int row = 0; row < problems->count(); ++row)
        listed.append(problems->item(row)->text());
    if (said.isEmpty())
        QCOMPARE(listed, QStringList{QStringLiteral("Замечаний нет: задача загрузится у ученика.")});
    else
        QVERIFY2(listed.size() == 1 && listed.first().contains(said), qPrintable(listed.join(u'\n')));
}

void TestTaskEditWindow::savingOverAFileChangedOnDisk_data()
{
    QTest::addColumn<bool>("isChangedElsewhere"); // a second editor on the folder saved meanwhile
    QTest::addColumn<QString>("answer");          // the button pressed in the question, if one is asked
    QTest::addColumn<bool>("isSaved");

    QTest::newRow("the file as this window read it") << false << QString() << true;
    QTest::newRow("a second editor saved, replaced") << true << QStringLiteral("Заменить") << true;
    QTest::newRow("a second editor saved, kept") << true << QStringLiteral("Отмена") << false;
}

// Two editors on one folder: the second one's save must not vanish under the first one's unasked.
void TestTaskEditWindow::savingOverAFileChangedOnDisk()
{
    QFETCH(bool, isChangedElsewhere);
    QFETCH(QString, answer);
    QFETCH(bool, isSaved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(m_window->openFolder(dir.path()));
    m_window->model().setStatement({QStringLiteral("Доведите Шагайку до точки Б.")});
    QVERIFY(m_window->save());

    TaskEditWindow second;
    QVERIFY(second.openFolder(dir.path()));
    second.model().setStatement({QStringLiteral("Дойдите до точки Б, обходя стены.")});
    if (isChangedElsewhere)
        QVERIFY(second.save());
    const QByteArray before = readBytes(dir.filePath(QStringLiteral("Zerid.txt")));

    m_window->model().setPointB(12, CellPosition{5, 5});
    QObject watches;
    QStringList asked;
    answerMessages(&watches, answer, &asked);
    QCOMPARE(m_window->save(), isSaved);

    QCOMPARE(asked.size(), isChangedElsewhere ? 1 : 0);
    QVERIFY(asked.join(u'\n').contains(QStringLiteral("изменился после того, как задача была открыта"))
            == isChangedElsewhere);
    const TaskFileResult read = TaskFolder(dir.path()).readTask();
    QVERIFY(read.isOk());
    if (isSaved)
        QCOMPARE(read.task, m_window->model().task());
    else
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Zerid.txt"))), before);
    // Once saved, the window's own file is no change from elsewhere.
    if (isSaved) {
        m_window->model().setPointB(12, CellPosition{6, 6});
        asked.clear();
        QVERIFY(m_window->save());
        QVERIFY(asked.isEmpty());
    }
}

void TestTaskEditWindow::aFailedSaveKeepsTheFolder_data()
{
    QTest::addColumn<bool>("isOpened"); // a task folder was open before "save into another folder"
    QTest::addColumn<bool>("byKey");    // chosen by its key, not from the menu

    QTest::newRow("a new task") << false << false;
    QTest::newRow("a task of a folder") << true << false;
    QTest::newRow("a task of a folder, by its key") << true << true;
}

// A folder that refuses the file is not where the task lives: the window keeps the folder it had.
void TestTaskEditWindow::aFailedSaveKeepsTheFolder()
{
#ifndef Q_OS_LINUX
    QSKIP("needs a folder that refuses new files even to the administrator");
#endif
    QFETCH(bool, isOpened);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (isOpened)
        QVERIFY(m_window->openFolder(dir.path()));
    const QString before = m_window->folder();
    m_window->model().setStatement({QStringLiteral("Доведите Шагайку до точки Б.")});

    FileDialogAnswers folders({QStringLiteral("/proc")});
    QObject watches;
    QStringList seen;
    answerMessages(&watches, QString(), &seen);
    QFETCH(bool, byKey);
    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("Сохранить в &другую папку…") && !byKey)
            action->trigger();
    }
    if (byKey)
        QTest::keySequence(m_window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    QCOMPARE(folders.asked.size(), 1);
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen.first().contains(QStringLiteral("Не удалось")), qPrintable(seen.first()));
    QCOMPARE(m_window->folder(), before);
    QVERIFY(m_window->model().isModified());
    QVERIFY(!m_window->windowTitle().contains(QStringLiteral("/proc")));
}

void TestTaskEditWindow::problemsAreReadWhole_data()
{
    QTest::addColumn<QStringList>("statement");

    QTest::newRow("a statement line the file cannot hold") << QStringList{QStringLiteral("Z")};
    QTest::newRow("no statement") << QStringList();
}

// A long message is wrapped in the list, not cut at its right edge.
void TestTaskEditWindow::problemsAreReadWhole()
{
    QFETCH(QStringList, statement);
    m_window->model().setStatement(statement);
    auto *problems = m_window->findChild<QListWidget *>(QStringLiteral("problems"));
    QVERIFY(problems->count() > 0);
    QVERIFY(problems->item(0)->text().size() > 60);
    const auto fits = [problems] {
        for (int row = 0; row < problems->count(); ++row) {
            if (problems->visualItemRect(problems->item(row)).right() > problems->viewport()->width())
                return false;
        }
        return true;
    };
    QVERIFY(QTest::qWaitFor(fits, 1000));
}

void TestTaskEditWindow::everySizeTabIsInSight_data()
{
    QTest::addColumn<QList<int>>("added");

    QTest::newRow("two sizes") << QList<int>{15};
    QTest::newRow("all four sizes") << QList<int>{13, 14, 15};
}

// A size whose tab hides behind scroll arrows is a size the teacher forgets to check.
void TestTaskEditWindow::everySizeTabIsInSight()
{
    QFETCH(QList<int>, added);
    for (int size : added)
        QVERIFY(m_window->model().addSize(size));
    auto *tabs = m_window->findChild<QTabBar *>();
    QCOMPARE(tabs->count(), added.size() + 1);
    QVERIFY(QTest::qWaitFor([tabs] { return tabs->rect().contains(tabs->tabRect(tabs->count() - 1)); }));
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY2(tabs->rect().contains(tabs->tabRect(i)), qPrintable(tabs->tabText(i)));
}

void TestTaskEditWindow::keysUndoAndRedo_data()
{
    QTest::addColumn<QKeySequence>("redoKey");
    QTest::addColumn<QString>("focus"); // the text box that has the keys

    QTest::newRow("Ctrl+Y in the statement") << QKeySequence(Qt::CTRL | Qt::Key_Y) << "statement";
    QTest::newRow("Ctrl+Shift+Z in the header label")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << "headerLabel";
}

// Both redo keys whatever the desktop's choice, and one history however the keys got into a text box.
void TestTaskEditWindow::keysUndoAndRedo()
{
    QFETCH(QKeySequence, redoKey);
    QFETCH(QString, focus);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *statement = m_window->findChild<QWidget *>(QStringLiteral("statement"));
    QTest::keyClicks(statement, QStringLiteral("abc"));
    // The Enter that closes the last line adds no line.
    QTest::keyClick(statement, Qt::Key_Return);
    const TaskData typed = m_window->model().task();
    QCOMPARE(typed.statement, QStringList{QStringLiteral("abc")});
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    QTest::mouseClick(view, Qt::LeftButton, {}, edgePoint(view, true, 3, 4));
    const TaskData drawn = m_window->model().task();
    QVERIFY(drawn.size(12).walls.horizontal.contains(CellPosition{3, 4}));
    QWidget *keys = m_window->findChild<QWidget *>(focus);
    keys->setFocus();

    QTest::keySequence(keys, QKeySequence(QKeySequence::Undo));
    QCOMPARE(m_window->model().task(), typed);
    QTest::keySequence(keys, QKeySequence(QKeySequence::Undo));
    QVERIFY(m_window->model().task().statement.isEmpty());
    QTest::keySequence(keys, redoKey);
    QTest::keySequence(keys, redoKey);
    QCOMPARE(m_window->model().task(), drawn);
}

void TestTaskEditWindow::tabWalksTheForm_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("out of the statement") << "statement"
                                          << "pointB";
    QTest::newRow("to the header label below the size box") << "singleSize"
                                                            << "headerLabel";
    QTest::newRow("from the label to the number below it") << "headerLabel"
                                                           << "reservedNumber";
}

// Tab walks the task's form top to bottom; in the statement it must not become a character of
// the task file.
void TestTaskEditWindow::tabWalksTheForm()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *start = m_window->findChild<QWidget *>(from);
    QVERIFY(start);
    start->setFocus();
    QVERIFY(start->hasFocus());
    QTest::keyClick(start, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QVERIFY(m_window->model().task().statement.isEmpty());
}

void TestTaskEditWindow::keysDrawOnTheField_data()
{
    QTest::addColumn<QString>("keys"); // Wheel, WheelAway: a step of the wheel over А's cell, over another
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("section"); // the field's section of the task file as written

    const int walls = int(EditTool::Walls), pointA = int(EditTool::StartPoint),
              pointB = int(EditTool::TargetPoint);
    QTest::newRow("each side") << "Right Down Shift+Up Shift+Down Shift+Left Shift+Right" << walls
                               << "0 0 0 0 11 11 H 1 0 1 1 V 0 1 1 1 E";
    QTest::newRow("twice, border") << "Up Left Shift+Up Shift+Left Shift+Right Shift+Right Shift+Right"
                                   << walls << "0 0 0 0 11 11 V 0 0 E";
    QTest::newRow("points by their letters") << "Right Right А Down Б" << walls << "0 2 0 0 2 1 E";
    QTest::newRow("Enter with a point tool") << "Down Return" << pointB << "0 0 0 0 0 1 E";
    QTest::newRow("variable") << "Ctrl+Right Down Ctrl+Down" << walls << "0 0 0 0 11 11 P V 0 0 H 0 1 E";
    QTest::newRow("over А") << "Space Wheel" << walls << "0 0 0 180 11 11 E";
    QTest::newRow("away from А") << "Right Space WheelAway" << walls << "0 0 0 0 11 11 E";
    QTest::newRow("with the А tool") << "Right Space WheelAway" << pointA << "0 0 0 180 11 11 E";
}

// The field is drawn from the keys alone; the wheel and Space turn А only where that is meant.
void TestTaskEditWindow::keysDrawOnTheField()
{
    QFETCH(QString, keys);
    QFETCH(int, tool);
    QFETCH(QString, section);
    m_window->setTool(EditTool(tool));
    TaskFieldView *view = m_window->findChild<TaskFieldView *>();
    view->setFocus();
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QPoint at = cellPoint(view, key == "Wheel" ? 0 : 5, 0);
        QWheelEvent wheel(at, view->mapToGlobal(at), {}, QPoint(0, 120), {}, {}, Qt::NoScrollPhase, false);
        QKeyEvent press(QEvent::KeyPress, QKeySequence(key)[0].key(),
                        QKeySequence(key)[0].keyboardModifiers());
        QApplication::sendEvent(view, key.startsWith("Wheel") ? static_cast<QEvent *>(&wheel) : &press);
    }
    QCOMPARE(layOutTaskFile(m_window->model().task()).text.section(u'Z', 1).simplified(), section);
}

void TestTaskEditWindow::fileFromElsewhere_data()
{
    QTest::addColumn<QString>("said"); // what opening says; empty: it opens
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("section"); // after "Убрать стены на краю поля и за ним"

    const QByteArray head = "# 001 0 1  300\r\nT\r\nZ\r\n";
    QTest::newRow("an empty file") << "файл задачи пуст" << QByteArray() << "0 0 0 0 11 11 E";
    QTest::newRow("a heading of 45, no E") << "45" << head + "0  0  0  45 11 11\r\n"
                                           << "0 0 0 0 11 11 E";
    QTest::newRow("walls on the border and outside")
        << "" << head + "0  0  0   0 11 11\r\nH\r\n  3 11 20  5  4  4\r\n\r\nV\r\n 11  2  5  5\r\nE\r\n"
        << "0 0 0 0 11 11 H 4 4 V 5 5 E";
}

// The loader's first message does not tell what to mend; the folder is still the task's home, its
// file kept until a save that asks. Walls a click cannot reach go by one command.
void TestTaskEditWindow::fileFromElsewhere()
{
    QFETCH(QString, said);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, section);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zerid.txt"));
    QVERIFY(writeBytes(path, bytes));
    SeenMessage seen;
    closeNextMessage(&seen);
    QCOMPARE(m_window->openFolder(dir.path()), said.isEmpty());
    QVERIFY2(seen.text.contains(said) && seen.count == int(!said.isEmpty()), qPrintable(seen.text));
    QCOMPARE(m_window->folder(), QDir(dir.path()).absolutePath());
    QVERIFY(m_window->findChild<QLabel *>("problemsTitle")->text().contains("на диске"));
    m_window->findChild<QAction *>(QStringLiteral("removeOuterWalls"))->trigger();
    QCOMPARE(layOutTaskFile(m_window->model().task()).text.section(u'Z', 1).simplified(), section);
    SeenMessage asked;
    closeNextMessage(&asked);
    QVERIFY(!m_window->save());
    QCOMPARE(readBytes(path), bytes);
    // A question the opening did not need is closed by the watch left from it.
    const QString questions = seen.text + asked.text;
    QVERIFY2(questions.contains(said.isEmpty() ? u"вручную" : u"не читался"), qPrintable(questions));
}

QTEST_MAIN(TestTaskEditWindow)
#include "tst_taskeditwindow.moc"
