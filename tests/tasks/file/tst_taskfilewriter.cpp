// The task file writer: what it writes is read back by the loader into the same task, in
// the fixed columns of the format, and a task that cannot be written faithfully is refused
// without touching the file already there.
#include "common/textencoding.h"
#include "filehelpers.h"
#include "tasks/check/taskvalidator.h"
#include "tasks/file/taskfileparser.h"
#include "tasks/file/taskfilewriter.h"
#include "tasks/setup/taskeditmodel.h"
#include "tasks/setup/taskfolder.h"

#include <QtTest>

namespace {

QString examplesFolder()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/");
}

WallVariant horizontal(int column, int row)
{
    return {QStringLiteral("H"), qint16(column), qint16(row)};
}

WallVariant vertical(int column, int row)
{
    return {QStringLiteral("V"), qint16(column), qint16(row)};
}

// Writes the task into a fresh folder and reads it back as the pupil's program does.
TaskFileResult writeAndRead(const TaskData &task, QTemporaryDir &dir)
{
    const auto error = writeTaskFile(dir.filePath(TaskFolder::taskFileName()), task);
    if (error) {
        TaskFileResult failed;
        failed.error = TaskFileError{*error, QString(), 0, 0};
        return failed;
    }
    return TaskFolder(dir.path()).readTask();
}

QString errorText(const TaskFileResult &result)
{
    return result.error ? result.error->message : QString();
}

QString describe(const QList<TaskProblem> &problems)
{
    QStringList lines;
    for (const TaskProblem &p : problems)
        lines.append(QStringLiteral("%1:%2 %3").arg(p.line).arg(p.column).arg(p.message));
    return lines.join(u'\n');
}

} // namespace

class TestTaskFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void taskDrawnThroughTheModelReadsBack_data();
    void taskDrawnThroughTheModelReadsBack();
    void examplesReadBackAlike_data();
    void examplesReadBackAlike();
    void everyKindOfRecordReadsBack();
    void fixedColumns_data();
    void fixedColumns();
    void unfaithfulTaskIsRefused_data();
    void unfaithfulTaskIsRefused();
    void failedWriteKeepsTheOldFile();
};

void TestTaskFileWriter::taskDrawnThroughTheModelReadsBack_data()
{
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<int>("heading");
    QTest::addColumn<bool>("hasPointB");

    QTest::newRow("12, facing right, Б") << 12 << 0 << true;
    QTest::newRow("13, facing up, Б") << 13 << 90 << true;
    QTest::newRow("14, facing left, no Б") << 14 << 180 << false;
    QTest::newRow("15, facing down, Б") << 15 << 270 << true;
}

void TestTaskFileWriter::taskDrawnThroughTheModelReadsBack()
{
    QFETCH(int, fieldSize);
    QFETCH(int, heading);
    QFETCH(bool, hasPointB);

    TaskEditModel model;
    model.setStatement(
        {QStringLiteral("Проведите Шагайку в точку Б."), QString(), QStringLiteral("  с отступом")});
    model.setHasPointB(hasPointB);
    model.setReservedNumber(512);
    QVERIFY(model.addSize(fieldSize) || fieldSize == 12);
    // Every size of the task carries its own drawing, so that mixing sizes up shows.
    for (int size : model.sizes()) {
        const int last = size - 1;
        QVERIFY(model.setStart(size, {1, qint16(size - 10)}));
        QVERIFY(model.setHeading(size, size == fieldSize ? heading : 90));
        QVERIFY(model.setPointB(size, {qint16(size - 2), qint16(size - 3)}));
        for (int column = 0; column < 5; ++column)
            QVERIFY(model.setWall(size, true, {qint16(column), 3}, true));
        for (int row = 0; row < 11; ++row)
            QVERIFY(model.setWall(size, false, {qint16(size - 5), qint16(row)}, true));
        QVERIFY(model.setWall(size, true, {qint16(last - 1), qint16(last - 1)}, true));
        QVERIFY(model.addVariableWall(size, {horizontal(5, 3), vertical(5, 4)}));
        QVERIFY(model.addVariableWall(size, {vertical(size - 4, last), vertical(size - 3, last)}));
        QVERIFY(model.addVariableWall(size, {horizontal(0, 7), horizontal(1, 7)}));
    }

    QTemporaryDir dir;
    const TaskFileResult read = writeAndRead(model.task(), dir);
    QVERIFY2(read.isOk(), qPrintable(errorText(read)));
    QCOMPARE(read.task, model.task());
    QCOMPARE(read.task.size(fieldSize).walls.variable.size(), 3);
    QCOMPARE(read.task.size(fieldSize).start.heading, heading);
    QCOMPARE(read.task.offersSize(fieldSize), true);

    const QString text = decodeText(readBytes(dir.filePath(TaskFolder::taskFileName())));
    const QList<TaskProblem> problems = validateTaskText(text).problems;
    QVERIFY2(problems.isEmpty(), qPrintable(describe(problems)));
}

void TestTaskFileWriter::examplesReadBackAlike_data()
{
    QTest::addColumn<QString>("example");
    QTest::newRow("detour: one size, Б, a variable wall") << "detour";
    QTest::newRow("letter: drawing task") << "letter";
    QTest::newRow("maze: four sizes, three variable walls") << "maze";
}

void TestTaskFileWriter::examplesReadBackAlike()
{
    QFETCH(QString, example);
    const TaskFileResult original = TaskFolder(examplesFolder() + example).readTask();
    QVERIFY(original.isOk());

    TaskEditModel model;
    model.reset(original.task);
    QCOMPARE(model.task(), original.task);
    QVERIFY(!model.isModified());

    QTemporaryDir dir;
    const TaskFileResult read = writeAndRead(model.task(), dir);
    QVERIFY2(read.isOk(), qPrintable(errorText(read)));
    QCOMPARE(read.task, original.task);
}

void TestTaskFileWriter::everyKindOfRecordReadsBack()
{
    // Empty lines, a blank statement line, leading blanks, ignored record lines, text after
    // record keys, several rows of one kind, sizes out of order and one described twice.
    const QStringList lines{
        QStringLiteral("# 7x  1 1 0042 the rest is ignored"),
        QString(),
        QStringLiteral("Первая строка условия."),
        QStringLiteral(" "),
        QStringLiteral("   с отступом и \"кавычками\""),
        QStringLiteral("Z конец условия"),
        QStringLiteral("3  1  2 180 10 11"),
        QStringLiteral("H пол"),
        QStringLiteral("  1  1  2  1"),
        QStringLiteral("just a note"),
        QStringLiteral("V"),
        QStringLiteral("  4  0  4  1  4  2  4  3  4  4  4  5  4  6  4  7  4  8  4  9"),
        QStringLiteral("H"),
        QStringLiteral("  3  3 note"),
        QStringLiteral("P"),
        QStringLiteral(" H  6  6 V  7  7"),
        QStringLiteral("P"),
        QStringLiteral(" V  8  8 H  9  9"),
        QStringLiteral("E"),
        QString(),
        QStringLiteral("1  0  0   0 11 11"),
        QStringLiteral("E"),
        QStringLiteral("4 14 14 270  0  0"),
        QStringLiteral("P"),
        QStringLiteral(" H  1  1 H  1  2"),
        QStringLiteral("P"),
        QStringLiteral(" V  2  2 V  3  2"),
        QStringLiteral("P"),
        QStringLiteral(" V 12 13 H 12 13"),
        QStringLiteral("E"),
        QStringLiteral("1  5  5  90  6  6"),
        QStringLiteral("V"),
        QStringLiteral("  5  5"),
        QStringLiteral("E"),
        QStringLiteral("F"),
    };
    const TaskFileResult original = parseTaskFile(lines.join(QStringLiteral("\r\n")));
    QVERIFY2(original.isOk(), qPrintable(errorText(original)));
    QCOMPARE(original.task.size(14).walls.vertical.size(), 10);
    QCOMPARE(original.task.size(15).walls.variable.size(), 3);

    TaskEditModel model;
    model.reset(original.task);
    QTemporaryDir dir;
    const TaskFileResult read = writeAndRead(model.task(), dir);
    QVERIFY2(read.isOk(), qPrintable(errorText(read)));
    QCOMPARE(read.task, original.task);
}

void TestTaskFileWriter::fixedColumns_data()
{
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("multiSize");

    QTest::newRow("single size") << QStringList{"# 176 1 1  300",
                                                "Нарисуйте букву.",
                                                "Z",
                                                "0  3  3   0  5  7",
                                                "H",
                                                "  3  4  5  4",
                                                "P",
                                                " H  3  4 V  5  6",
                                                "E"}
                                 << false;
    QTest::newRow("multi-size") << QStringList{"# 176 1 1  300",
                                               "Нарисуйте букву.",
                                               "Z",
                                               "1  3  3   0  5  7",
                                               "H",
                                               "  3  4  5  4",
                                               "P",
                                               " H  3  4 V  5  6",
                                               "E",
                                               "3 13 12 270 10 11",
                                               "H",
                                               "  0  0  1  0  2  0  3  0  4  0  5  0  6  0  7  0",
                                               "H",
                                               "  8  0",
                                               "V",
                                               " 12 13",
                                               "E",
                                               "F"}
                                << true;
}

void TestTaskFileWriter::fixedColumns()
{
    QFETCH(QStringList, expected);
    QFETCH(bool, multiSize);

    TaskData task;
    task.headerLabel = QStringLiteral("176");
    task.hasPattern = true;
    task.hasPointB = true;
    task.statement = {QStringLiteral("Нарисуйте букву.")};
    task.sizeMenuEnabled = multiSize;
    task.describedSizes[0] = true;
    TaskSizeData &twelve = task.size(12);
    twelve.start = {3, 3, 0};
    twelve.pointB = {5, 7};
    twelve.walls.horizontal = {{3, 4}, {5, 4}};
    twelve.walls.variable = {{horizontal(3, 4), vertical(5, 6)}};
    if (multiSize) {
        task.describedSizes[2] = true;
        TaskSizeData &fourteen = task.size(14);
        fourteen.start = {13, 12, 270};
        fourteen.pointB = {10, 11};
        for (qint16 column = 0; column < 9; ++column)
            fourteen.walls.horizontal.append({column, 0});
        fourteen.walls.vertical = {{12, 13}};
    }
    const TaskFileLayout layout = layOutTaskFile(task);
    QVERIFY2(layout.isFaithful(), qPrintable(describe(layout.problems)));
    QCOMPARE(layout.text.split(QStringLiteral("\r\n")), expected + QStringList{QString()});

    QTemporaryDir dir;
    const QString path = dir.filePath(TaskFolder::taskFileName());
    QVERIFY(!writeTaskFile(path, task));
    const QByteArray bytes = readBytes(path);
    QCOMPARE(bytes, *encodeWindows1251(layout.text));
    QVERIFY(!isUtf8Text(bytes));
}

void TestTaskFileWriter::unfaithfulTaskIsRefused_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    QTest::newRow("statement line starting with Z") << "statementZ" << 3 << 1;
    QTest::newRow("empty statement line") << "statementEmpty" << 2 << 1;
    QTest::newRow("no Windows-1251 code") << "encoding" << 2 << 5;
    QTest::newRow("fourth variable wall") << "fourWalls" << 11 << 1;
    QTest::newRow("number wider than its columns") << "wide" << 4 << 3;
    QTest::newRow("single size without 12") << "single13" << 4 << 1;
}

void TestTaskFileWriter::unfaithfulTaskIsRefused()
{
    QFETCH(QString, what);
    QFETCH(int, line);
    QFETCH(int, column);

    TaskData task = TaskEditModel::newTask();
    task.statement = {QStringLiteral("Условие")};
    if (what == QLatin1String("statementZ"))
        task.statement.append(QStringLiteral("Zero"));
    else if (what == QLatin1String("statementEmpty"))
        task.statement = {QString()};
    else if (what == QLatin1String("encoding"))
        task.statement = {QStringLiteral("Шаг → вперёд")};
    else if (what == QLatin1String("fourWalls"))
        task.size(12).walls.variable = QList<VariableWall>(4, {horizontal(1, 1), horizontal(2, 1)});
    else if (what == QLatin1String("wide"))
        task.size(12).start.column = 100;
    else if (what == QLatin1String("single13")) {
        task.describedSizes = {false, true, false, false};
    }

    const TaskFileLayout layout = layOutTaskFile(task);
    QVERIFY(!layout.isFaithful());
    QCOMPARE(layout.problems.first().line, line);
    QCOMPARE(layout.problems.first().column, column);

    QTemporaryDir dir;
    const QString path = dir.filePath(TaskFolder::taskFileName());
    const auto error = writeTaskFile(path, task);
    QVERIFY(error);
    QVERIFY(error->contains(QStringLiteral("строка %1").arg(line)));
    QVERIFY(!QFile::exists(path));
}

void TestTaskFileWriter::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(TaskFolder::taskFileName());
    const QByteArray old = "# 001 0 1  300\r\nold\r\nZ\r\n0  0  0   0  1  1\r\nE\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    TaskData task = TaskEditModel::newTask();
    task.statement = {QStringLiteral("Шаг → вперёд")};
    QVERIFY(writeTaskFile(path, task));
    QCOMPARE(readBytes(path), old);

    // A folder that does not exist cannot take the file: an error, nothing written.
    const QString missing = dir.filePath(QStringLiteral("missing/") + TaskFolder::taskFileName());
    task.statement = {QStringLiteral("Условие")};
    const auto error = writeTaskFile(missing, task);
    QVERIFY(error);
    QVERIFY2(error->startsWith(QStringLiteral("Не удалось создать файл")), qPrintable(*error));
    QVERIFY(!QFile::exists(missing));

    // And a good write replaces the old file whole.
    QVERIFY(!writeTaskFile(path, task));
    QCOMPARE(TaskFolder(dir.path()).readTask().task, task);
}

QTEST_GUILESS_MAIN(TestTaskFileWriter)
#include "tst_taskfilewriter.moc"
