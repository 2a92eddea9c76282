#include "wellformedness.h"

#include "editor/algorithmline.h"

#include <QtTest>

namespace K = AlgorithmKeyword;

class TestWellFormedness : public QObject
{
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
    void procedureNames_data();
    void procedureNames();
};

namespace {

// The skeleton with `body` in the main body and `tail` after "КОН".
QStringList algorithm(const QStringList &body, const QStringList &tail = {})
{
    QStringList lines = algorithmSkeleton(true);
    const qsizetype end = lines.indexOf(K::end);
    for (qsizetype i = 0; i < body.size(); ++i)
        lines.insert(end + i, body.at(i));
    return lines + tail;
}

} // namespace

void TestWellFormedness::shape_data()
{
    QTest::addColumn<QStringList>("lines");
    // The row the fault is reported at; -1 for a sound text.
    QTest::addColumn<int>("faultRow");

    const QString four(4, QLatin1Char(' '));
    const QString seven(7, QLatin1Char(' '));
    const QString then = seven + K::then;
    const QString otherwise = seven + K::otherwise;
    const QString step = QStringLiteral("        ШАГ");
    const QString head = QStringLiteral("ПРОЦЕДУРА угол");
    const QString call = four + QStringLiteral("ДЕЛАЙ угол");

    QTest::newRow("skeleton") << algorithmSkeleton(true) << -1;
    QTest::newRow("pattern skeleton") << algorithmSkeleton(false) << -1;
    QTest::newRow("branch with else")
        << algorithm({four + K::ifWall, then, step, otherwise, step, four + K::branchEnd}) << -1;
    QTest::newRow("branch without else") << algorithm({four + K::ifNotWall, then, four + K::branchEnd}) << -1;
    QTest::newRow("loop in branch") << algorithm(
        {four + K::ifWall, then, four + K::whileWall, four + K::loopBegin, four + K::loopEnd,
         four + K::branchEnd}) << -1;
    QTest::newRow("commands, comment, blank")
        << algorithm({four + K::step, four + K::jump, four + K::turn, QStringLiteral("//x"), QString()})
        << -1;
    QTest::newRow("called procedure") << algorithm({call}, {head, step, K::procedureEnd}) << -1;
    QTest::newRow("item before a procedure head")
        << algorithm({call}, {K::step, head, K::procedureEnd}) << -1;
    QTest::newRow("item after the last procedure")
        << algorithm({call}, {head, K::procedureEnd, QString()}) << -1;

    QTest::newRow("too short") << QStringList{titleLine(), four + K::given} << 0;
    QTest::newRow("wrong title") << (QStringList{QStringLiteral("АЛГОРИТМ ПУТЬ_1")} + algorithm({}).mid(1))
                                 << 0;
    QTest::newRow("no begin") << (algorithm({}).mid(0, 3) + QStringList{K::end}) << 3;
    QTest::newRow("no end") << algorithm({}).mid(0, 4) << 4;
    QTest::newRow("end with a blank") << (algorithm({}).mid(0, 4) + QStringList{QStringLiteral("КОН ")}) << 4;
    QTest::newRow("branch without then") << algorithm({four + K::ifWall, four + K::branchEnd}) << 5;
    QTest::newRow("branch without end") << algorithm({four + K::ifWall, then, otherwise}) << 7;
    QTest::newRow("two else") << algorithm(
        {four + K::ifWall, then, otherwise, otherwise, four + K::branchEnd})
                              << 7;
    QTest::newRow("loop without begin") << algorithm({four + K::whileWall, four + K::loopEnd}) << 5;
    QTest::newRow("loop without end") << algorithm({four + K::whileNotWall, four + K::loopBegin}) << 6;
    QTest::newRow("loop closed by branch end")
        << algorithm({four + K::whileNotWall, four + K::loopBegin, four + K::branchEnd}) << 6;
    QTest::newRow("unknown condition") << algorithm({four + QStringLiteral("ЕСЛИ впереди")}) << 4;
    QTest::newRow("then alone") << algorithm({then}) << 4;
    QTest::newRow("unknown word") << algorithm({four + QStringLiteral("ИДТИ")}) << 4;
    QTest::newRow("procedure in the main body") << algorithm({head, K::procedureEnd}) << 4;
    QTest::newRow("nested procedures")
        << algorithm({call}, {head, QStringLiteral("ПРОЦЕДУРА б"), K::procedureEnd, K::procedureEnd}) << 7;
    QTest::newRow("procedure without end") << algorithm({call}, {head, step}) << 8;
    QTest::newRow("described twice") << algorithm({call}, {head, K::procedureEnd, head, K::procedureEnd})
                                     << 8;
    QTest::newRow("call without description") << algorithm({call}) << 4;
    QTest::newRow("closer after the end") << algorithm({}, {four + K::loopEnd}) << 5;
}

void TestWellFormedness::shape()
{
    QFETCH(QStringList, lines);
    QFETCH(int, faultRow);

    const std::optional<QString> fault = wellFormednessFault(lines);
    if (faultRow < 0) {
        QVERIFY2(!fault, qPrintable(fault.value_or(QString())));
        return;
    }
    QVERIFY(fault);
    QVERIFY2(fault->startsWith(QStringLiteral("row %1:").arg(faultRow)), qPrintable(*fault));
}

void TestWellFormedness::procedureNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("sound");

    QTest::newRow("same order") << QStringList{QStringLiteral("а"), QStringLiteral("б")} << true;
    QTest::newRow("other order") << QStringList{QStringLiteral("б"), QStringLiteral("а")} << false;
    QTest::newRow("one missing") << QStringList{QStringLiteral("а")} << false;
    QTest::newRow("one too many") << QStringList{QStringLiteral("а"), QStringLiteral("б"),
                                                 QStringLiteral("в")}
                                  << false;
    QTest::newRow("letter case") << QStringList{QStringLiteral("А"), QStringLiteral("б")} << false;
}

void TestWellFormedness::procedureNames()
{
    QFETCH(QStringList, names);
    QFETCH(bool, sound);

    const QStringList lines = algorithm(
        {}, {QStringLiteral("ПРОЦЕДУРА а"), K::procedureEnd, QStringLiteral("ПРОЦЕДУРА б"), K::procedureEnd});
    QCOMPARE(!procedureNamesFault(lines, names).has_value(), sound);
}

QTEST_APPLESS_MAIN(TestWellFormedness)

#include "tst_wellformedness.moc"
