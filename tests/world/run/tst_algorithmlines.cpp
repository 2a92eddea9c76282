#include "world/run/algorithmlines.h"

#include <QRandomGenerator>
#include <QTest>

using Kind = LineKind;

namespace {

// The scans as the run describes them, line by line from their start, to hold the answers
// found once for the whole text against.
int forwardScan(const AlgorithmLines &lines, int from, bool (*counts)(LineKind), bool (*stops)(LineKind),
                bool (*closes)(LineKind), bool stopsBeforeClosing)
{
    int depth = 1;
    for (int row = from; row < lines.count(); ++row) {
        const LineKind k = lines.kind(row);
        if (counts(k))
            ++depth;
        if (stopsBeforeClosing && stops(k) && depth == 1)
            return row;
        if (closes(k) && --depth == 0)
            return row;
    }
    return AlgorithmLines::missing;
}

bool isWallBranch(LineKind k)
{
    return k == Kind::BranchIfWall || k == Kind::BranchIfNoWall;
}

bool isWallLoop(LineKind k)
{
    return k == Kind::LoopIfWall || k == Kind::LoopIfNoWall;
}

bool isElseOrBranchEnd(LineKind k)
{
    return k == Kind::Else || k == Kind::BranchEnd;
}

bool isBranchEnd(LineKind k)
{
    return k == Kind::BranchEnd;
}

bool isLoopEnd(LineKind k)
{
    return k == Kind::LoopEnd;
}

bool isProcedureEnd(LineKind k)
{
    return k == Kind::ProcedureEnd;
}

bool never(LineKind)
{
    return false;
}

} // namespace

class TestAlgorithmLines : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Kind>("kind");

        QTest::newRow("turn") << "    ПОВОРОТ" << Kind::Turn;
        QTest::newRow("step with a trailing blank is nothing") << "ШАГ " << Kind::Other;
        QTest::newRow("lower case is nothing") << "шаг" << Kind::Other;
        QTest::newRow("branch if no wall") << "ЕСЛИ впереди НЕ стена" << Kind::BranchIfNoWall;
        QTest::newRow("loop if wall") << "ПОКА впереди стена" << Kind::LoopIfWall;
        QTest::newRow("procedure head") << "ПРОЦЕДУРА угол" << Kind::ProcedureHead;
        QTest::newRow("call") << "        ДЕЛАЙ угол" << Kind::Call;
        QTest::newRow("else") << "       ИНАЧЕ" << Kind::Else;
        QTest::newRow("branch end with Ё") << "    ВСЁ" << Kind::BranchEnd;
        QTest::newRow("branch end with Е is nothing") << "    ВСЕ" << Kind::Other;
        QTest::newRow("loop end") << "    КЦ" << Kind::LoopEnd;
        QTest::newRow("procedure end") << "КОНЕЦ ПРОЦЕДУРЫ" << Kind::ProcedureEnd;
        QTest::newRow("then marker") << "       ТО" << Kind::Then;
        QTest::newRow("blank") << "   " << Kind::Blank;
        QTest::newRow("end line") << "КОН" << Kind::End;
    }

    void classify()
    {
        QFETCH(QString, line);
        QFETCH(Kind, kind);

        const AlgorithmLines lines({line});
        QCOMPARE(lines.kind(0), kind);
    }

    void mainEnd_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isEnd");

        QTest::newRow("exact") << "КОН" << true;
        QTest::newRow("leading blank") << " КОН" << false;
        QTest::newRow("trailing blank") << "КОН " << false;
        QTest::newRow("procedure end") << "КОНЕЦ ПРОЦЕДУРЫ" << false;
    }

    void mainEnd()
    {
        QFETCH(QString, line);
        QFETCH(bool, isEnd);

        QCOMPARE(AlgorithmLines({line}).isMainEnd(0), isEnd);
    }

    void callTarget_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("callRow");
        QTest::addColumn<int>("target");

        QTest::newRow("first of two descriptions")
            << QStringList{"ДЕЛАЙ а", "ПРОЦЕДУРА б", "ПРОЦЕДУРА а", "ПРОЦЕДУРА а"} << 0 << 2;
        QTest::newRow("description above the call") << QStringList{"ПРОЦЕДУРА а", "ДЕЛАЙ а"} << 1 << 0;
        QTest::newRow("names compare exactly")
            << QStringList{"ДЕЛАЙ а", "ПРОЦЕДУРА А", "ПРОЦЕДУРА а "} << 0 << -1;
        QTest::newRow("any tenth character") << QStringList{"ДЕЛАЙ а", "ПРОЦЕДУРАxа"} << 0 << 1;
        QTest::newRow("indented head") << QStringList{"ДЕЛАЙ а", "  ПРОЦЕДУРА а"} << 0 << 1;
        QTest::newRow("no description") << QStringList{"ДЕЛАЙ а"} << 0 << -1;
        QTest::newRow("call without a name") << QStringList{"ДЕЛАЙ", "ПРОЦЕДУРА"} << 0 << 1;
        QTest::newRow("a head is no call") << QStringList{"ПРОЦЕДУРА а"} << 0 << -1;
    }

    void callTarget()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, callRow);
        QFETCH(int, target);

        QCOMPARE(AlgorithmLines(lines).callTarget(callRow), target);
    }

    void scans()
    {
        AlgorithmLines lines({"ЕСЛИ впереди стена", // 0
                              "ТО",
                              "ЕСЛИ впереди НЕ стена", // 2
                              "ТО",
                              "ИНАЧЕ", // 4
                              "ВСЁ",
                              "ИНАЧЕ", // 6
                              "ПОКА впереди стена",
                              "НЦ", // 8
                              "КЦ",
                              "ВСЁ", // 10
                              "ПРОЦЕДУРА п", "КОНЕЦ ПРОЦЕДУРЫ"});
        QCOMPARE(lines.branchSkipEnd(0), 6);
        QCOMPARE(lines.branchSkipEnd(2), 4);
        QCOMPARE(lines.elseSkipEnd(6), 10);
        QCOMPARE(lines.elseSkipEnd(4), 5);
        QCOMPARE(lines.loopSkipEnd(7), 9);
        QCOMPARE(lines.procedureEnd(11), 12);
        // Asked again, the same answers.
        QCOMPARE(lines.branchSkipEnd(0), 6);
        QCOMPARE(lines.loopSkipEnd(7), 9);

        AlgorithmLines open({"ЕСЛИ впереди стена", "ТО", "ПОКА впереди стена", "НЦ", "ПРОЦЕДУРА п"});
        QCOMPARE(open.branchSkipEnd(0), AlgorithmLines::missing);
        QCOMPARE(open.loopSkipEnd(2), AlgorithmLines::missing);
        QCOMPARE(open.procedureEnd(4), AlgorithmLines::missing);
        QCOMPARE(open.elseSkipEnd(4), AlgorithmLines::missing);
    }

    // Texts of every structure line in random order, nested, unbalanced and cut off: the
    // answers found once agree with a scan from each line.
    void scansAgreeWithForwardSearch_data()
    {
        QTest::addColumn<QStringList>("lines");

        const QStringList pool{"ЕСЛИ впереди стена",
                               "ЕСЛИ впереди НЕ стена",
                               "ЕСЛИ что-то",
                               "ТО",
                               "ИНАЧЕ",
                               "ВСЁ",
                               "ПОКА впереди стена",
                               "ПОКА впереди НЕ стена",
                               "ПОКА что-то",
                               "НЦ",
                               "КЦ",
                               "ПРОЦЕДУРА п",
                               "КОНЕЦ ПРОЦЕДУРЫ",
                               "ШАГ",
                               "ДЕЛАЙ п"};
        for (const quint32 start : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
            QRandomGenerator random(start);
            QStringList lines;
            const int count = 1 + int(random.bounded(400));
            for (int i = 0; i < count; ++i)
                lines << pool[int(random.bounded(qsizetype(pool.size())))];
            QTest::newRow(qPrintable(QStringLiteral("random, start %1").arg(start))) << lines;
        }
        QStringList nested;
        for (int i = 0; i < 500; ++i)
            nested << "ПОКА впереди НЕ стена"
                   << "НЦ"
                   << "ЕСЛИ впереди стена"
                   << "ТО";
        for (int i = 0; i < 500; ++i)
            nested << "ИНАЧЕ"
                   << "ВСЁ"
                   << "КЦ";
        QTest::newRow("deeply nested") << nested;
    }

    void scansAgreeWithForwardSearch()
    {
        QFETCH(QStringList, lines);

        const AlgorithmLines text(lines);
        for (int row = 0; row < text.count(); ++row) {
            QCOMPARE(text.branchSkipEnd(row),
                     forwardScan(text, row + 2, isWallBranch, isElseOrBranchEnd, isBranchEnd, true));
            QCOMPARE(text.elseSkipEnd(row),
                     forwardScan(text, row + 1, isWallBranch, never, isBranchEnd, false));
            QCOMPARE(text.loopSkipEnd(row), forwardScan(text, row + 2, isWallLoop, never, isLoopEnd, false));
            QCOMPARE(text.procedureEnd(row), forwardScan(text, row + 1, never, never, isProcedureEnd, false));
        }
    }
};

QTEST_APPLESS_MAIN(TestAlgorithmLines)
#include "tst_algorithmlines.moc"
