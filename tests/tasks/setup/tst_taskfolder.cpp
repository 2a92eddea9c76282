#include "common/textencoding.h"
#include "filehelpers.h"
#include "tasks/setup/taskfolder.h"

#include <QtTest>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QByteArray taskBytes(const QString &header, const QString &statementLine)
{
    // The statement line must not begin with "Z", which would end the statement.
    return (header + QStringLiteral("\r\nfile ") + statementLine
            + QStringLiteral("\r\nZ\r\n0  1  1   0\r\nE\r\n"))
        .toUtf8();
}

} // namespace

class TestTaskFolder : public QObject
{
    Q_OBJECT

private slots:
    void encoding_data();
    void encoding();
    void taskFileLookup_data();
    void taskFileLookup();
    void missingTaskFile();
    void exactNameFirst();
    void unreadableTaskFile_data();
    void unreadableTaskFile();
    void patternCheck_data();
    void patternCheck();
};

void TestTaskFolder::encoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("statementLine");
    QTest::addColumn<bool>("hasPattern");

    const QString cyrillic = QStringLiteral("Нарисуйте букву «Ш» — Ёлка");
    const QByteArray crlf("\r\n");
    const QByteArray rest("Z\r\n0  1  1   0\r\nE\r\n");
    QTest::newRow("Windows-1251") << QByteArray("# 176 1 0\r\n") + *encodeWindows1251(cyrillic) + crlf + rest
                                  << cyrillic << true;
    QTest::newRow("UTF-8") << QByteArray("# 176 1 0\r\n") + cyrillic.toUtf8() + crlf + rest << cyrillic
                           << true;
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF# 176 1 0\r\n") + cyrillic.toUtf8() + crlf + rest << cyrillic << true;
    QTest::newRow("ASCII only") << QByteArray("# 176 0 0\r\nplain\r\n") + rest << QStringLiteral("plain")
                                << false;
    // Columns count decoded characters: a two-byte letter before column 7 must not shift it.
    QTest::newRow("UTF-8 letters in the header")
        << QByteArray("# ШАГ 1 0\r\n") + cyrillic.toUtf8() + crlf + rest << cyrillic << true;
    QTest::newRow("Windows-1251 letters in the header")
        << *encodeWindows1251(QStringLiteral("# ШАГ 1 0\r\n")) + *encodeWindows1251(cyrillic) + crlf + rest
        << cyrillic << true;
}

void TestTaskFolder::encoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, statementLine);
    QFETCH(bool, hasPattern);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Zerid.txt")), bytes));
    const TaskFileResult result = TaskFolder(dir.path()).readTask();
    QVERIFY2(result.isOk(), qPrintable(result.error ? result.error->message : QString()));
    QCOMPARE(result.task.statement, QStringList{statementLine});
    QCOMPARE(result.task.hasPattern, hasPattern);
    QVERIFY(!result.task.hasPointB);
    QCOMPARE(result.task.size(12).start, (StartPosition{1, 1, 0}));
}

void TestTaskFolder::taskFileLookup_data()
{
    QTest::addColumn<QString>("nameOnDisk");

    QTest::newRow("exact") << "Zerid.txt";
    QTest::newRow("lower case") << "zerid.txt";
    QTest::newRow("upper case") << "ZERID.TXT";
    QTest::newRow("mixed case") << "zeRID.Txt";
}

void TestTaskFolder::taskFileLookup()
{
    QFETCH(QString, nameOnDisk);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(nameOnDisk), taskBytes(QStringLiteral("# 176 0 0"), nameOnDisk)));
    const TaskFolder folder(dir.path());
    QCOMPARE(folder.taskFilePath(), QDir(dir.path()).filePath(nameOnDisk));
    const TaskFileResult result = folder.readTask();
    QVERIFY(result.isOk());
    QCOMPARE(result.task.statement, QStringList{QStringLiteral("file ") + nameOnDisk});
}

void TestTaskFolder::missingTaskFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Neither a similar name nor a folder called so is taken for the task file.
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Zerid.txt.bak")),
                       taskBytes(QStringLiteral("# 176 0 0"), "x")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("zerid.TXT")));
    const TaskFolder folder(dir.path());
    QCOMPARE(folder.taskFilePath(), QString());
    const TaskFileResult result = folder.readTask();
    QVERIFY(!result.isOk());
    QCOMPARE(result.error->message, QStringLiteral("Не найден файл Zerid.txt"));
    QCOMPARE(result.error->line, 0);

    const TaskFileResult absent = TaskFolder(dir.filePath(QStringLiteral("no such folder"))).readTask();
    QVERIFY(!absent.isOk());
    QCOMPARE(absent.error->message, QStringLiteral("Не найден файл Zerid.txt"));
}

void TestTaskFolder::exactNameFirst()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString names[] = {QStringLiteral("ZERID.TXT"), QStringLiteral("Zerid.txt"),
                             QStringLiteral("zerid.txt")};
    for (const QString &name : names)
        QVERIFY(writeBytes(dir.filePath(name), taskBytes(QStringLiteral("# 176 0 0"), name)));
    if (QDir(dir.path()).entryList(QDir::Files).size() != 3)
        QSKIP("The file system ignores letter case");
    const TaskFileResult result = TaskFolder(dir.path()).readTask();
    QVERIFY(result.isOk());
    QCOMPARE(result.task.statement, QStringList{QStringLiteral("file Zerid.txt")});
}

void TestTaskFolder::unreadableTaskFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");

    QTest::newRow("no read permission") << "locked"
                                        << "Не удаётся прочитать файл Zerid.txt: нет прав доступа";
    QTest::newRow("larger than 4 MiB") << "large"
                                       << "Файл Zerid.txt слишком велик для файла задачи (больше 4 Мбайт)";
#ifdef Q_OS_UNIX
    QTest::newRow("a pipe")
        << "fifo"
        << "Не удаётся прочитать файл Zerid.txt: это не обычный файл (канал, устройство или сокет)";
#endif
}

void TestTaskFolder::unreadableTaskFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Zerid.txt"));
    if (kind == "locked") {
        QVERIFY(writeBytes(path, taskBytes(QStringLiteral("# 176 0 0"), "x")));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("Running with rights that read any file");
    } else if (kind == "large") {
        // A valid task padded with statement lines past the limit.
        QByteArray bytes = taskBytes(QStringLiteral("# 176 0 0"), "x");
        bytes.prepend("# 176 0 0\r\n" + QByteArray(4 * 1024 * 1024, 'a') + "\r\n");
        QVERIFY(writeBytes(path, bytes));
#ifdef Q_OS_UNIX
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    }
    QElapsedTimer timer;
    timer.start();
    const TaskFileResult result = TaskFolder(dir.path()).readTask();
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!result.isOk());
    QCOMPARE(result.error->message, message);
    QVERIFY(result.bytes.isEmpty());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestTaskFolder::patternCheck_data()
{
    QTest::addColumn<bool>("hasPattern");
    QTest::addColumn<QString>("fileOnDisk");
    QTest::addColumn<bool>("refused");

    QTest::newRow("pattern present") << true << "zerid.bmp" << false;
    QTest::newRow("pattern in other case") << true << "Zerid.BMP" << false;
    QTest::newRow("pattern missing") << true << "" << true;
    QTest::newRow("only a similar name") << true << "zerid.bmp.txt" << true;
    QTest::newRow("no pattern needed, none there") << false << "" << false;
    QTest::newRow("no pattern needed, one there") << false << "zerid.bmp" << false;
}

void TestTaskFolder::patternCheck()
{
    QFETCH(bool, hasPattern);
    QFETCH(QString, fileOnDisk);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!fileOnDisk.isEmpty())
        QVERIFY(writeBytes(dir.filePath(fileOnDisk), QByteArray("BM")));
    TaskData task;
    task.hasPattern = hasPattern;
    const TaskFolder folder(dir.path());
    const auto error = folder.checkPattern(task);
    QCOMPARE(error.has_value(), refused);
    if (refused) {
        QCOMPARE(error->message, QStringLiteral("Не найден файл zerid.bmp"));
        QCOMPARE(error->caption, QStringLiteral("Ошибка. Переустановите \"Шагайку\""));
        QCOMPARE(folder.patternFilePath(), QString());
    } else if (!fileOnDisk.isEmpty()) {
        QCOMPARE(folder.patternFilePath(), QDir(dir.path()).filePath(fileOnDisk));
    }
}

QTEST_APPLESS_MAIN(TestTaskFolder)
#include "tst_taskfolder.moc"
