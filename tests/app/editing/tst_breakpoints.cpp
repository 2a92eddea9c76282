#include "app/editing/breakpointmargin.h"
#include "session/breakpoints.h"

#include "app/editorsession.h"
#include "filehelpers.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

namespace {

// The skeleton with a body of two steps and a procedure described after КОН:
// 0 title, 1 Дано, 2 Надо, 3 НАЧ, 4 ШАГ, 5 ШАГ, 6 КОН, 7 blank, 8 ПРОЦЕДУРА п, 9 ПОВОРОТ,
// 10 КОНЕЦ ПРОЦЕДУРЫ, 11 blank.
const QStringList twoStepsAndProcedure{"АЛГОРИТМ ПУТЬ_0",
                                       "    Дано: Исполнитель в т.А",
                                       "    Надо: Исполнитель в т.Б",
                                       "НАЧ",
                                       "    ШАГ",
                                       "    ШАГ",
                                       "КОН",
                                       "",
                                       "ПРОЦЕДУРА п",
                                       "    ПОВОРОТ",
                                       "КОНЕЦ ПРОЦЕДУРЫ",
                                       ""};

BreakpointMargin *margin(EditorSession &s)
{
    return control<BreakpointMargin>(s.window, "lstComBreakpoints");
}

// A click in the margin beside a row, as the pupil makes it.
void clickMargin(EditorSession &s, int row)
{
    s.list()->scrollTo(s.text().index(row, 0));
    QTest::mouseClick(margin(s), Qt::LeftButton, {}, margin(s)->rowCentre(row));
}

} // namespace

class TestBreakpoints : public QObject
{
    Q_OBJECT

private slots:
    // A click beside a line sets a breakpoint only where a run can pause; a second click clears it.
    void onlyOnLinesARunShows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("holds");

        QTest::newRow("title") << 0 << true;
        QTest::newRow("НАЧ") << 3 << true;
        QTest::newRow("a step") << 4 << true;
        QTest::newRow("КОН") << 6 << false;
        QTest::newRow("blank line after КОН") << 7 << false;
        QTest::newRow("procedure head after КОН") << 8 << true;
        QTest::newRow("procedure body after КОН") << 9 << true;
        QTest::newRow("procedure end") << 10 << true;
        QTest::newRow("blank line after the procedure") << 11 << false;
    }

    void onlyOnLinesARunShows()
    {
        QFETCH(int, row);
        QFETCH(bool, holds);

        EditorSession s;
        QVERIFY(s.activated);
        s.text().setLines(twoStepsAndProcedure);
        clickMargin(s, row);
        QCOMPARE(s.window.session().breakpoints().rows(), holds ? QList<int>{row} : QList<int>{});
        clickMargin(s, row);
        QCOMPARE(s.window.session().breakpoints().rows(), QList<int>{});

        // The context menu's item is there for the same lines, and checked when the line has one.
        s.select(row);
        QAction *item = s.menuItem("NBreakpoint");
        s.menu(item);
        QCOMPARE(s.window.session().breakpoints().rows(), holds ? QList<int>{row} : QList<int>{});
        s.openMenuAt(row);
        QCOMPARE(item->isEnabled(), holds);
        QCOMPARE(item->isChecked(), holds);
        s.comMenu()->hide();
    }

    // Breakpoints stay on their lines while lines above them come and go, and go with their
    // own lines; a text replaced whole has none.
    void followTheirLines_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("expected");

        // Breakpoints on 5 (the second ШАГ) and 9 (the ПОВОРОТ of the procedure).
        QTest::newRow("ШАГ inserted above both") << 4 << int(Qt::Key_F2) << QList<int>{6, 10};
        QTest::newRow("ПОВОРОТ inserted between them") << 6 << int(Qt::Key_F4) << QList<int>{5, 10};
        QTest::newRow("the line above deleted") << 4 << int(Qt::Key_Delete) << QList<int>{4, 8};
        QTest::newRow("the line itself deleted") << 5 << int(Qt::Key_Delete) << QList<int>{8};
        QTest::newRow("a line below deleted") << 9 << int(Qt::Key_Delete) << QList<int>{5};
        QTest::newRow("undo: the text is replaced") << 4 << int(Qt::Key_Z) << QList<int>{};
    }

    void followTheirLines()
    {
        QFETCH(int, selected);
        QFETCH(int, key);
        QFETCH(QList<int>, expected);

        EditorSession s;
        QVERIFY(s.activated);
        s.text().setLines(twoStepsAndProcedure);
        // Something to undo that leaves the text as it was.
        s.select(4);
        s.key(Qt::Key_F3);
        s.select(4);
        s.key(Qt::Key_Delete);
        QCOMPARE(s.lines(), twoStepsAndProcedure);
        clickMargin(s, 5);
        clickMargin(s, 9);
        QCOMPARE(s.window.session().breakpoints().rows(), (QList<int>{5, 9}));

        s.select(selected);
        s.list()->setFocus();
        if (key == Qt::Key_Z)
            QTest::keyClick(s.list(), Qt::Key_Z, Qt::ControlModifier);
        else
            s.key(Qt::Key(key));

        QCOMPARE(s.window.session().breakpoints().rows(), expected);
        // Each breakpoint still stands on a line of the kind it was set on.
        for (const int row : std::as_const(expected))
            QVERIFY2(s.text().line(row).trimmed() == QStringLiteral("ШАГ")
                         || s.text().line(row).trimmed() == QStringLiteral("ПОВОРОТ"),
                     qPrintable(s.text().line(row)));
    }

    // The file saved with breakpoints set is byte for byte the file saved without them.
    void notSavedInTheFile_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("one") << QList<int>{4};
        QTest::newRow("main and procedure") << QList<int>{0, 5, 8, 9, 10};
    }

    void notSavedInTheFile()
    {
        QFETCH(QList<int>, rows);

        QTemporaryDir dir;
        EditorSession s;
        QVERIFY(s.activated);
        s.text().setLines(twoStepsAndProcedure);
        s.select(4);
        s.dialogs->saveName = dir.filePath(QStringLiteral("without.txt"));
        s.menu(s.menuItem("N10"));
        for (const int row : std::as_const(rows))
            clickMargin(s, row);
        QCOMPARE(s.window.session().breakpoints().rows(), rows);
        s.select(4);
        s.dialogs->saveName = dir.filePath(QStringLiteral("with.txt"));
        s.menu(s.menuItem("N10"));

        const QByteArray without = readBytes(dir.filePath(QStringLiteral("without.txt")));
        QVERIFY(!without.isEmpty());
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("with.txt"))), without);
        QCOMPARE(s.window.session().breakpoints().rows(), rows);
    }
};

QTEST_MAIN(TestBreakpoints)
#include "tst_breakpoints.moc"
