#include "cli/run/output/picturefile.h"
#include "cli/run/output/protectedfiles.h"
#include "filehelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage smallPicture()
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

// The files the checker writes besides its output: pictures, written whole or not at all,
// and never over one of the files being checked.
class TestOutputFiles : public QObject
{
    Q_OBJECT

private slots:
    void protectedFiles_data();
    void protectedFiles();
    void pictureFaults_data();
    void pictureFaults();
    void pictureNeverReplacesAnInput();
};

void TestOutputFiles::protectedFiles_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("replaced");

    QTest::newRow("a participant's file") << "works/a.txt"
                                          << "works/a.txt";
    QTest::newRow("the same by another way") << "works/../works/./a.txt"
                                             << "works/a.txt";
    QTest::newRow("a link to the task file") << "link.txt"
                                             << "task/Zerid.txt";
    QTest::newRow("a new file") << "works/report.txt"
                                << "";
    QTest::newRow("another existing file") << "works/b.txt"
                                           << "";
}

void TestOutputFiles::protectedFiles()
{
    QFETCH(QString, output);
    QFETCH(QString, replaced);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    QVERIFY(root.mkpath("works"));
    QVERIFY(root.mkpath("task"));
    for (const char *name : {"works/a.txt", "works/b.txt", "task/Zerid.txt"})
        QVERIFY(writeBytes(root.filePath(QString::fromLatin1(name)), name));
    QVERIFY(QFile::link(root.filePath("task/Zerid.txt"), root.filePath("link.txt")));

    ProtectedFiles inputs;
    inputs.add(root.filePath("works/a.txt"));
    inputs.add(root.filePath("task/Zerid.txt"));
    inputs.add(root.filePath("works/missing.txt"));
    inputs.add(QString());
    QCOMPARE(inputs.replacedBy(root.filePath(output)),
             replaced.isEmpty() ? QString() : root.filePath(replaced));
}

void TestOutputFiles::pictureFaults_data()
{
    QTest::addColumn<FileWriteFault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("written") << FileWriteFault::None << "";
    QTest::newRow("short write") << FileWriteFault::ShortWrite << "записана только часть файла";
    QTest::newRow("disk full") << FileWriteFault::NoSpaceAtFlush << "на диске нет свободного места";
    QTest::newRow("rename fails") << FileWriteFault::FailedRename << "нет прав доступа";
}

void TestOutputFiles::pictureFaults()
{
    QFETCH(FileWriteFault, fault);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("pic-a-1.png");
    QVERIFY(writeBytes(path, "old picture"));

    const QString error = writePictureFile(smallPicture(), path, ProtectedFiles(), fault);

    if (reason.isEmpty()) {
        QCOMPARE(error, QString());
        QCOMPARE(QImage(path, "PNG").size(), QSize(20, 10));
    } else {
        QCOMPARE(error,
                 QStringLiteral("Не удаётся записать картинку %1: %2")
                     .arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(readBytes(path), QByteArray("old picture"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pic-a-1.png"});
}

void TestOutputFiles::pictureNeverReplacesAnInput()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = dir.filePath("a-1.png");
    QVERIFY(writeBytes(input, "a pupil's file"));
    ProtectedFiles inputs;
    inputs.add(input);
    const QString error = writePictureFile(smallPicture(), input, inputs);
    QVERIFY(error.contains(QDir::toNativeSeparators(input)));
    QVERIFY(error.contains("не будет заменён"));
    QCOMPARE(readBytes(input), QByteArray("a pupil's file"));
}

QTEST_MAIN(TestOutputFiles)
#include "tst_outputfiles.moc"
