#include "world/run/breakablerow.h"

#include <QTest>

class TestBreakableRow : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expected");

        const QStringList header{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А",
                                 "    Надо: Исполнитель в т.Б", "НАЧ"};
        // One character a line: 1 a run may pause before it, 0 never.
        QTest::newRow("main algorithm, КОН and what follows")
            << header + QStringList{"    ШАГ", "КОН", "", "// после"} << "11111000";
        QTest::newRow("a procedure after КОН, blank lines around it")
            << header + QStringList{"КОН", "", "ПРОЦЕДУРА п", "    ШАГ", "", "КОНЕЦ ПРОЦЕДУРЫ", ""}
            << "11110011110";
        QTest::newRow("two procedures, a line between them")
            << header + QStringList{"КОН",         "ПРОЦЕДУРА п", "КОНЕЦ ПРОЦЕДУРЫ", "ШАГ",
                                    "ПРОЦЕДУРА к", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"}
            << "11110110111";
        QTest::newRow("a procedure before КОН is run through: every line")
            << header + QStringList{"ПРОЦЕДУРА п", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ", "КОН"} << "11111110";
        QTest::newRow("КОН after blanks does not end the pass; no КОН at all")
            << header + QStringList{"  КОН", "    ШАГ"} << "111111";
        QTest::newRow("an empty text") << QStringList{} << "";
    }

    void rows()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, expected);

        QString breakable;
        for (int row = 0; row < lines.size(); ++row)
            breakable += isBreakableRow(lines, row) ? u'1' : u'0';
        QCOMPARE(breakable, expected);
        QVERIFY(!isBreakableRow(lines, -1));
        QVERIFY(!isBreakableRow(lines, int(lines.size())));
    }
};

QTEST_GUILESS_MAIN(TestBreakableRow)
#include "tst_breakablerow.moc"
