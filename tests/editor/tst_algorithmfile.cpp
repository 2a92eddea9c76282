#include "editor/algorithmfile.h"

#include "editor/workedexample.h"
#include "filehelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The text in UTF-16 after its byte-order mark, as Notepad saves "Unicode" files.
QByteArray utf16Bytes(const QString &text, bool isLittleEndian)
{
    QByteArray bytes = isLittleEndian ? QByteArray("\xff\xfe") : QByteArray("\xfe\xff");
    for (const QChar character : text) {
        const auto high = static_cast<char>(character.unicode() >> 8);
        const auto low = static_cast<char>(character.unicode() & 0xFF);
        bytes += isLittleEndian ? low : high;
        bytes += isLittleEndian ? high : low;
    }
    return bytes;
}

} // namespace

class TestAlgorithmFile : public QObject
{
    Q_OBJECT

private slots:
    void readLines_data();
    void readLines();
    void writtenBytes_data();
    void writtenBytes();
    void roundTrip_data();
    void roundTrip();
    void readFailures_data();
    void readFailures();
    void sizeLimit();
    void writeFailures_data();
    void writeFailures();
    void writeFaults_data();
    void writeFaults();
    void replacesWholeFile();
    void procedureList_data();
    void procedureList();
};

void TestAlgorithmFile::readLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\na\r\n\r\n") << QStringList{"", "", "a", ""};
    QTest::newRow("single break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("leading blanks and tabs kept")
        << QByteArray("    a \r\n\tb\r\n") << QStringList{"    a ", "\tb"};
    QTest::newRow("NUL ends the text") << QByteArray("a\r\nb\0c\r\nd\r\n", 11) << QStringList{"a", "b"};
    QTest::newRow("NUL first") << QByteArray("\0a\r\n", 4) << QStringList();
    QTest::newRow("NUL after a break") << QByteArray("a\r\n\0b", 5) << QStringList{"a"};
    QTest::newRow("NUL between CR and LF") << QByteArray("a\r\0\nb", 5) << QStringList{"a"};
    QTest::newRow("Windows-1251") << QByteArray("\xcd\xc0\xd7\r\n    \xd8\xc0\xc3\r\n\xc2\xd1\xa8\r\n")
                                  << QStringList{"НАЧ", "    ШАГ", "ВСЁ"};
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xef\xbb\xbf\xd0\x9d\xd0\x90\xd0\xa7\r\n") << QStringList{"НАЧ"};
    QTest::newRow("UTF-8 without byte-order mark")
        << QByteArray("    \xd0\xa8\xd0\x90\xd0\x93\n") << QStringList{"    ШАГ"};
    QTest::newRow("UTF-16 little-endian with byte-order mark")
        << utf16Bytes(QStringLiteral("НАЧ\r\n    ШАГ\r\nВСЁ\r\n"), true)
        << QStringList{"НАЧ", "    ШАГ", "ВСЁ"};
    QTest::newRow("UTF-16 big-endian with byte-order mark")
        << utf16Bytes(QStringLiteral("НАЧ\r\nКОН\r\n"), false) << QStringList{"НАЧ", "КОН"};
    QTest::newRow("UTF-16, a NUL character ends the text")
        << utf16Bytes(QStringLiteral("НАЧ\r\nШАГ") + QChar(u'\0') + QStringLiteral("КОН\r\n"), true)
        << QStringList{"НАЧ", "ШАГ"};
}

void TestAlgorithmFile::readLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(algorithmLinesFromBytes(bytes), lines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath("a.txt");
    QVERIFY(writeBytes(fileName, bytes));
    const AlgorithmFileResult result = readAlgorithmFile(fileName);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    QCOMPARE(result.lines, lines);
}

void TestAlgorithmFile::writtenBytes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("CR LF after every line")
        << QStringList{"НАЧ", "    ШАГ", "КОН"}
        << QByteArray("\xcd\xc0\xd7\r\n    \xd8\xc0\xc3\r\n\xca\xce\xcd\r\n");
    QTest::newRow("Ё") << QStringList{"ВСЁ"} << QByteArray("\xc2\xd1\xa8\r\n");
    QTest::newRow("blank lines") << QStringList{"", "   "} << QByteArray("\r\n   \r\n");
    QTest::newRow("no lines") << QStringList() << QByteArray();
    QTest::newRow("name outside Windows-1251")
        << QStringList{"ДЕЛАЙ Ω"}
        << QByteArray("\xef\xbb\xbf\xd0\x94\xd0\x95\xd0\x9b\xd0\x90\xd0\x99 \xce\xa9\r\n");
}

void TestAlgorithmFile::writtenBytes()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeAlgorithmFile(lines).bytes, bytes);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath("a.txt");
    QCOMPARE(writeAlgorithmFile(fileName, lines), QString());
    QCOMPARE(readBytes(fileName), bytes);
}

void TestAlgorithmFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("worked example") << workedExample;
    QTest::newRow("skeleton only") << workedExample.mid(0, 4) + QStringList{"КОН"};
    QTest::newRow("blank last line") << QStringList{"КОН", ""};
    QTest::newRow("only a blank line") << QStringList{""};
    QTest::newRow("no lines") << QStringList();
    QTest::newRow("tabs and trailing blanks") << QStringList{"\tШАГ", "КОН ", "  //  x  "};
    QTest::newRow("Greek procedure name")
        << QStringList{"    ДЕЛАЙ Ωμέγα", "ПРОЦЕДУРА Ωμέγα", "КОНЕЦ ПРОЦЕДУРЫ"};
    QTest::newRow("Chinese comment") << QStringList{"//角落", "КОН"};
    QTest::newRow("emoji") << QStringList{"//\U0001F600"};
    QTest::newRow("Windows-1251 text that looks like UTF-8") << QStringList{"//Рё"};
    QTest::newRow("Windows-1251 text that looks like a byte-order mark") << QStringList{"п»ї"};
}

void TestAlgorithmFile::roundTrip()
{
    QFETCH(QStringList, lines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath("NoName.txt");
    QCOMPARE(writeAlgorithmFile(fileName, lines), QString());
    const AlgorithmFileResult result = readAlgorithmFile(fileName);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    QCOMPARE(result.lines, lines);
}

void TestAlgorithmFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << "missing.txt"
                                  << "нет такого файла или папки";
    QTest::newRow("missing folder") << "missing/a.txt"
                                    << "нет такого файла или папки";
    QTest::newRow("a folder") << "folder"
                              << "это папка, а не файл";
#ifdef Q_OS_UNIX
    QTest::newRow("a pipe") << "fifo"
                            << "это не обычный файл (канал, устройство или сокет)";
#endif
}

void TestAlgorithmFile::readFailures()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder"));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
#endif
    const QString fileName = dir.filePath(name);
    const AlgorithmFileResult result = readAlgorithmFile(fileName);
    QVERIFY(!result.isOk());
    QCOMPARE(result.error, cannotOpenFileMessage(fileName, reason));
    QVERIFY(result.error.endsWith(": " + reason));
    QVERIFY(result.error.contains(QDir::toNativeSeparators(fileName)));
    QVERIFY(result.lines.isEmpty());
}

void TestAlgorithmFile::sizeLimit()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    const QString largest = dir.filePath("largest.txt");
    QVERIFY(writeBytes(largest, QByteArray(maxAlgorithmFileSize - 2, 'x') + "\r\n"));
    const AlgorithmFileResult accepted = readAlgorithmFile(largest);
    QVERIFY2(accepted.isOk(), qPrintable(accepted.error));
    QCOMPARE(accepted.lines.size(), 1);
    QCOMPARE(accepted.lines.first().size(), maxAlgorithmFileSize - 2);
    QCOMPARE(accepted.bytes.size(), maxAlgorithmFileSize);

    const QString tooLarge = dir.filePath("too large.txt");
    QVERIFY(writeBytes(tooLarge, QByteArray(maxAlgorithmFileSize + 1, 'x')));
    const AlgorithmFileResult refused = readAlgorithmFile(tooLarge);
    QCOMPARE(refused.error, fileTooLargeMessage(tooLarge));
    QVERIFY(refused.error.contains(QDir::toNativeSeparators(tooLarge)));
    QVERIFY(refused.error.contains("4 Мбайт"));
    QVERIFY(refused.lines.isEmpty());
}

void TestAlgorithmFile::writeFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnlyFolder");

    QTest::newRow("missing folder") << "missing/a.txt" << false;
    QTest::newRow("folder is a file") << "old.txt/a.txt" << false;
    QTest::newRow("name of a folder") << "folder" << false;
    QTest::newRow("read-only folder") << "ro/old.txt" << true;
}

void TestAlgorithmFile::writeFailures()
{
    QFETCH(QString, name);
    QFETCH(bool, readOnlyFolder);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    const QByteArray oldBytes("\xcd\xc0\xd7\r\n\xca\xce\xcd\r\n");
    QVERIFY(writeBytes(root.filePath("old.txt"), oldBytes));
    QVERIFY(root.mkdir("folder"));
    QVERIFY(root.mkdir("ro"));
    QVERIFY(writeBytes(root.filePath("ro/old.txt"), oldBytes));

    if (readOnlyFolder) {
        QFile folder(root.filePath("ro"));
        QVERIFY(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        // The super-user writes into read-only folders anyway.
        QFile probe(root.filePath("ro/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            folder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("read-only folders are writable for this user");
        }
    }

    const QString fileName = root.filePath(name);
    const QString error = writeAlgorithmFile(fileName, workedExample);

    if (readOnlyFolder)
        QFile(root.filePath("ro")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(QDir::toNativeSeparators(fileName)), qPrintable(error));
    QCOMPARE(readBytes(root.filePath("old.txt")), oldBytes);
    QCOMPARE(readBytes(root.filePath("ro/old.txt")), oldBytes);
    QVERIFY(QFileInfo(root.filePath("folder")).isDir());
    QCOMPARE(QDir(root.filePath("ro")).entryList(QDir::Files | QDir::Hidden), QStringList{"old.txt"});
    QCOMPARE(QDir(root.filePath("folder")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestAlgorithmFile::writeFaults_data()
{
    QTest::addColumn<FileWriteFault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("hasOldFile");

    QTest::newRow("short write") << FileWriteFault::ShortWrite << "записана только часть файла" << true;
    QTest::newRow("disk full") << FileWriteFault::NoSpaceAtFlush << "на диске нет свободного места" << true;
    QTest::newRow("rename fails") << FileWriteFault::FailedRename << "нет прав доступа" << true;
    QTest::newRow("new file, disk full")
        << FileWriteFault::NoSpaceAtFlush << "на диске нет свободного места" << false;
    QTest::newRow("new file, rename fails") << FileWriteFault::FailedRename << "нет прав доступа" << false;
}

void TestAlgorithmFile::writeFaults()
{
    QFETCH(FileWriteFault, fault);
    QFETCH(QString, reason);
    QFETCH(bool, hasOldFile);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath("old.txt");
    const QByteArray oldBytes("\xcd\xc0\xd7\r\n\xca\xce\xcd\r\n");
    if (hasOldFile)
        QVERIFY(writeBytes(fileName, oldBytes));

    const QString error = writeAlgorithmFile(fileName, workedExample, fault);

    if (hasOldFile) {
        QCOMPARE(error, cannotWriteFileMessage(fileName, reason));
        QVERIFY(error.contains("(прежний файл не изменён): " + reason));
        QCOMPARE(readBytes(fileName), oldBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.txt"});
    } else {
        // There was no file before, so none can have been kept.
        QCOMPARE(error, cannotCreateFileMessage(fileName, reason));
        QVERIFY2(!error.contains("прежний"), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

void TestAlgorithmFile::replacesWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath("a.txt");
    QVERIFY(writeBytes(fileName, QByteArray(5000, 'z')));
    QCOMPARE(writeAlgorithmFile(fileName, {"КОН"}), QString());
    QCOMPARE(readBytes(fileName), QByteArray("\xca\xce\xcd\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
}

void TestAlgorithmFile::procedureList_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("worked example") << workedExample << QStringList{"угол"};
    QTest::newRow("two descriptions in file order") << QStringList{"НАЧ",
                                                                   "КОН",
                                                                   "ПРОЦЕДУРА вторая",
                                                                   "КОНЕЦ ПРОЦЕДУРЫ",
                                                                   "ПРОЦЕДУРА Первая",
                                                                   "КОНЕЦ ПРОЦЕДУРЫ"}
                                                    << QStringList{"вторая", "Первая"};
    QTest::newRow("indented head") << QStringList{"  ПРОЦЕДУРА x"} << QStringList{"x"};
    QTest::newRow("name from the eleventh character") << QStringList{"ПРОЦЕДУРА  два"} << QStringList{" два"};
    QTest::newRow("head without a separating blank") << QStringList{"ПРОЦЕДУРАx"} << QStringList{""};
    QTest::newRow("calls and ends are not heads")
        << QStringList{"ДЕЛАЙ x", "КОНЕЦ ПРОЦЕДУРЫ", "//ПРОЦЕДУРА x", "процедура x"} << QStringList();
    QTest::newRow("empty text") << QStringList() << QStringList();
}

void TestAlgorithmFile::procedureList()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, names);
    QCOMPARE(rebuildProcedureList(lines), names);
}

QTEST_GUILESS_MAIN(TestAlgorithmFile)
#include "tst_algorithmfile.moc"
