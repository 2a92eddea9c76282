#include "editor/algorithmfile.h"
#include "taskedit/patternmaker.h"
#include "tasks/setup/taskfolder.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestPatternMaker : public QObject
{
    Q_OBJECT

private slots:
    void madeFromTheReference_data();
    void madeFromTheReference();
};

void TestPatternMaker::madeFromTheReference_data()
{
    QTest::addColumn<QString>("example");
    QTest::newRow("letter") << QStringLiteral("letter");
    QTest::newRow("maze") << QStringLiteral("maze");
}

void TestPatternMaker::madeFromTheReference()
{
    QFETCH(QString, example);
    const QString folder = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/") + example;
    const TaskFileResult read = TaskFolder(folder).readTask();
    QVERIFY(read.isOk());
    const auto reference = readAlgorithmFile(folder + QStringLiteral("/solution.txt"));
    QVERIFY(reference.isOk());

    const QImage picture = PatternMaker::make(read.task, reference.lines);
    QCOMPARE(picture.size(), QSize(300, 300));
    // The trace of the reference is on it: it differs from the field before any move.
    const QImage untouched = PatternMaker::make(read.task, reference.lines.mid(0, 4) + QStringList{"КОН"});
    QCOMPARE(untouched.size(), picture.size());
    QVERIFY(picture != untouched);

    // Written as a bitmap, it reads back pixel for pixel.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zerid.bmp"));
    QVERIFY(!PatternMaker::write(path, picture).has_value());
    const QImage back(path);
    QCOMPARE(back.convertToFormat(QImage::Format_RGB888), picture.convertToFormat(QImage::Format_RGB888));
}

QTEST_MAIN(TestPatternMaker)
#include "tst_patternmaker.moc"
