#include "editor/linekind.h"

#include <QTest>

class TestLineKind : public QObject
{
    Q_OBJECT

private slots:
    void anatomy_data();
    void anatomy();
    void lineKinds_data();
    void lineKinds();
    void procedureNames_data();
    void procedureNames();
};

void TestLineKind::anatomy_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("indentation");
    QTest::addColumn<QString>("command");

    QTest::newRow("no indentation") << "КОН" << 0 << "КОН";
    QTest::newRow("four blanks") << "    ШАГ" << 4 << "ШАГ";
    QTest::newRow("tab and blank") << "\t ШАГ" << 2 << "ШАГ";
    QTest::newRow("control characters") << QString("\x01\x1f ПРЫЖОК") << 3 << "ПРЫЖОК";
    QTest::newRow("trailing blank kept") << "  КОН " << 2 << "КОН ";
    QTest::newRow("inner blanks kept") << " ДЕЛАЙ  x" << 1 << "ДЕЛАЙ  x";
    QTest::newRow("blank line") << "   " << 3 << "";
    QTest::newRow("empty line") << "" << 0 << "";
    QTest::newRow("no-break space is text")
        << QString(QChar(0xA0)) + "ШАГ" << 0 << QString(QChar(0xA0)) + "ШАГ";
}

void TestLineKind::anatomy()
{
    QFETCH(QString, line);
    QFETCH(int, indentation);
    QFETCH(QString, command);
    QCOMPARE(indentationLength(line), indentation);
    QCOMPARE(commandText(line), command);
}

void TestLineKind::lineKinds_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<LineKind>("kind");

    QTest::newRow("title") << "АЛГОРИТМ ПУТЬ_0" << LineKind::Title;
    QTest::newRow("given") << "    Дано: Исполнитель в т.А" << LineKind::Given;
    QTest::newRow("goal B") << "    Надо: Исполнитель в т.Б" << LineKind::Goal;
    QTest::newRow("goal pattern") << "    Надо: Воспроизвести образец" << LineKind::Goal;
    QTest::newRow("begin") << "НАЧ" << LineKind::Begin;
    QTest::newRow("end") << "КОН" << LineKind::End;
    QTest::newRow("end with trailing blank") << "КОН " << LineKind::Other;
    QTest::newRow("step") << "    ШАГ" << LineKind::Step;
    QTest::newRow("step after a tab") << "\tШАГ" << LineKind::Step;
    QTest::newRow("step with trailing blank") << "ШАГ " << LineKind::Other;
    QTest::newRow("jump") << "ПРЫЖОК" << LineKind::Jump;
    QTest::newRow("jump after control characters") << QString("\x01\x1f ПРЫЖОК") << LineKind::Jump;
    QTest::newRow("turn") << "ПОВОРОТ" << LineKind::Turn;
    QTest::newRow("branch head") << "ЕСЛИ впереди НЕ стена" << LineKind::BranchIfNoWall;
    QTest::newRow("branch if wall") << "    ЕСЛИ впереди стена" << LineKind::BranchIfWall;
    QTest::newRow("branch with other text") << "ЕСЛИ впереди стена " << LineKind::BranchOther;
    QTest::newRow("branch with lower-case не") << "ЕСЛИ впереди не стена" << LineKind::BranchOther;
    QTest::newRow("then") << "       ТО" << LineKind::Then;
    QTest::newRow("else") << "       ИНАЧЕ" << LineKind::Else;
    QTest::newRow("branch end with Ё") << "ВСЁ" << LineKind::BranchEnd;
    QTest::newRow("branch end with Е is not") << "ВСЕ" << LineKind::Other;
    QTest::newRow("loop head") << "ПОКА впереди стена" << LineKind::LoopIfWall;
    QTest::newRow("loop if no wall") << "ПОКА впереди НЕ стена" << LineKind::LoopIfNoWall;
    QTest::newRow("loop word alone") << "ПОКА" << LineKind::LoopOther;
    QTest::newRow("loop begin") << "НЦ" << LineKind::LoopBegin;
    QTest::newRow("loop end") << "КЦ" << LineKind::LoopEnd;
    QTest::newRow("procedure head") << "ПРОЦЕДУРА угол" << LineKind::ProcedureHead;
    QTest::newRow("procedure head without a name") << "ПРОЦЕДУРА" << LineKind::ProcedureHead;
    QTest::newRow("procedure end") << "КОНЕЦ ПРОЦЕДУРЫ" << LineKind::ProcedureEnd;
    QTest::newRow("call") << "    ДЕЛАЙ угол" << LineKind::Call;
    QTest::newRow("comment") << "//ищем выход" << LineKind::Comment;
    QTest::newRow("commented command") << "// ШАГ" << LineKind::Comment;
    QTest::newRow("blank") << "  " << LineKind::Blank;
    QTest::newRow("empty") << "" << LineKind::Blank;
    QTest::newRow("lower case is other") << "шаг" << LineKind::Other;
}

void TestLineKind::lineKinds()
{
    QFETCH(QString, line);
    QFETCH(LineKind, kind);
    QCOMPARE(lineKind(line), kind);
    QCOMPARE(isCommand(lineKind(line)),
             kind == LineKind::Step || kind == LineKind::Jump || kind == LineKind::Turn);
    QCOMPARE(isCounted(lineKind(line)), kind != LineKind::Blank && kind != LineKind::Comment);
    QCOMPARE(isBranchHead(line),
             kind == LineKind::BranchIfWall || kind == LineKind::BranchIfNoWall
                 || kind == LineKind::BranchOther);
    QCOMPARE(isLoopHead(line),
             kind == LineKind::LoopIfWall || kind == LineKind::LoopIfNoWall || kind == LineKind::LoopOther);
    QCOMPARE(isProcedureHead(line), kind == LineKind::ProcedureHead);
    QCOMPARE(isCallLine(line), kind == LineKind::Call);
}

void TestLineKind::procedureNames_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("headName");
    QTest::addColumn<QString>("callName");

    QTest::newRow("head") << "ПРОЦЕДУРА угол"
                          << "угол"
                          << "УРА угол";
    QTest::newRow("indented head") << "\tПРОЦЕДУРА обход стен"
                                   << "обход стен"
                                   << "УРА обход стен";
    QTest::newRow("call") << "           ДЕЛАЙ угол"
                          << ""
                          << "угол";
    QTest::newRow("call with blank name start") << "ДЕЛАЙ  x"
                                                << ""
                                                << " x";
    QTest::newRow("head without name") << "ПРОЦЕДУРА"
                                       << ""
                                       << "УРА";
    QTest::newRow("call without name") << "ДЕЛАЙ"
                                       << ""
                                       << "";
}

void TestLineKind::procedureNames()
{
    QFETCH(QString, line);
    QFETCH(QString, headName);
    QFETCH(QString, callName);
    QCOMPARE(procedureHeadName(line), headName);
    QCOMPARE(::callName(line), callName);
}

QTEST_APPLESS_MAIN(TestLineKind)
#include "tst_linekind.moc"
