#include "cli/run/checkertask.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A multi-size task: size 12 with one variable wall, size 14 with two and its own start.
const char *const multiSizeTask = "# 176 0 1  300\r\n"
                                  "Задача на два размера.\r\n"
                                  "Z\r\n"
                                  "1  1  2  90  5  6\r\n"
                                  "P\r\n"
                                  " H  3  3 V  3  3\r\n"
                                  "E\r\n"
                                  "3  4  5 180 13 12\r\n"
                                  "H\r\n"
                                  "  1  1  2  2\r\n"
                                  "P\r\n"
                                  " H  3  3 V  3  3\r\n"
                                  "P\r\n"
                                  " V  8  8 H  9  9\r\n"
                                  "E\r\n"
                                  "F\r\n";

const char *const singleSizeTask = "# 176 1 0\r\n"
                                   "Рисунок.\r\n"
                                   "Z\r\n"
                                   "0  3  3   0\r\n"
                                   "E\r\n";

bool writeTask(const QTemporaryDir &dir, const QByteArray &text)
{
    QFile file(dir.filePath(QStringLiteral("Zerid.txt")));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

class TestCheckerTask : public QObject
{
    Q_OBJECT

private slots:
    void appliesTheSize_data();
    void appliesTheSize();
    void offeredSizes_data();
    void offeredSizes();
    void reportsLoaderFaults_data();
    void reportsLoaderFaults();
};

void TestCheckerTask::appliesTheSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<ExecutorState>("executor");
    QTest::addColumn<CellPosition>("pointB");
    QTest::addColumn<int>("horizontalWalls");
    QTest::addColumn<int>("variableWalls");
    QTest::addColumn<QList<int>>("selectors");

    QTest::newRow("12: one variable wall, shown at its first variant")
        << 12 << ExecutorState{1, 2, 90} << CellPosition{5, 6} << 0 << 1 << QList<int>{1, 0, 0};
    QTest::newRow("14: its own start, walls and two variable walls")
        << 14 << ExecutorState{4, 5, 180} << CellPosition{13, 12} << 2 << 2 << QList<int>{1, 1, 0};
}

void TestCheckerTask::appliesTheSize()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeTask(dir, multiSizeTask));

    const CheckerTaskResult result = loadCheckerTask(dir.path(), size);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    const World &world = result.task->world;
    QCOMPARE(world.fieldSize, size);
    QTEST(world.executor, "executor");
    QTEST(world.pointB, "pointB");
    QTEST(int(world.walls.walls.horizontal.size()), "horizontalWalls");
    QTEST(world.walls.variableWallCount(), "variableWalls");
    QTEST(QList<int>(world.walls.selectors.begin(), world.walls.selectors.end()), "selectors");
}

void TestCheckerTask::offeredSizes_data()
{
    QTest::addColumn<QByteArray>("task");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("offered");

    QTest::newRow("multi-size 12") << QByteArray(multiSizeTask) << 12 << true;
    QTest::newRow("multi-size 13") << QByteArray(multiSizeTask) << 13 << false;
    QTest::newRow("multi-size 14") << QByteArray(multiSizeTask) << 14 << true;
    QTest::newRow("multi-size 15") << QByteArray(multiSizeTask) << 15 << false;
    QTest::newRow("single-size 12, pattern picture not needed") << QByteArray(singleSizeTask) << 12 << true;
    QTest::newRow("single-size 13") << QByteArray(singleSizeTask) << 13 << false;
}

void TestCheckerTask::offeredSizes()
{
    QFETCH(QByteArray, task);
    QFETCH(int, size);
    QFETCH(bool, offered);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeTask(dir, task));

    const CheckerTaskResult result = loadCheckerTask(dir.path(), size);
    QCOMPARE(result.isOk(), offered);
    if (!offered) {
        QVERIFY2(result.error.contains(QStringLiteral("%1 x %1").arg(size)), qPrintable(result.error));
    }
}

void TestCheckerTask::reportsLoaderFaults_data()
{
    QTest::addColumn<QByteArray>("task");
    QTest::addColumn<bool>("locked"); // the folder cannot be opened
    QTest::addColumn<QStringList>("named");

    QTest::newRow("no task file") << QByteArray() << false << QStringList{"Не найден файл Zerid.txt"};
    QTest::newRow("a blank line is no task either")
        << QByteArray("\r\n") << false << QStringList{"Ошибка в файле задач"};
    QTest::newRow("a number field with a letter")
        << QByteArray("# 176 0 0\r\nТекст.\r\nZ\r\n0  x  3   0\r\nE\r\n") << false
        << QStringList{"Zerid.txt:4:", "' x' is not a valid integer value"};
    QTest::newRow("the file ends inside a section")
        << QByteArray("# 176 0 0\r\nТекст.\r\nZ\r\n0  1  3   0\r\nH\r\n") << false
        << QStringList{"Zerid.txt:6:", "Ошибка в файле задач"};
    QTest::newRow("a folder that cannot be opened")
        << QByteArray("\r\n") << true << QStringList{"папка задачи не открывается"};
}

void TestCheckerTask::reportsLoaderFaults()
{
    QFETCH(QByteArray, task);
    QFETCH(bool, locked);
    QFETCH(QStringList, named);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!task.isEmpty())
        QVERIFY(writeTask(dir, task));
    const auto unlock = qScopeGuard(
        [&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (locked) {
        QVERIFY(QFile::setPermissions(dir.path(), {}));
        if (QDir(dir.path()).isReadable())
            QSKIP("this user opens every folder (root)");
    }

    const CheckerTaskResult result = loadCheckerTask(dir.path(), 12);
    QVERIFY(!result.isOk());
    for (const QString &part : named)
        QVERIFY2(result.error.contains(part), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(TestCheckerTask)
#include "tst_checkertask.moc"
