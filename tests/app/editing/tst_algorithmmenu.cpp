#include "editor/algorithmfile.h"
#include "editor/algorithmline.h"

#include "app/editorsession.h"

#include <QTemporaryDir>

class TestAlgorithmMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void items();
    void enabling_data();
    void enabling();
    void rightClickKeepsSelection();
    void keysOpenTheMenu_data();
    void keysOpenTheMenu();
    void deletions_data();
    void deletions();
    void deleteKey_data();
    void deleteKey();
    void selfCallingProcedure();
    void procedureDeletionUpdatesNames();
    void wholeAlgorithm();
    void menuNeedsEditing();

private:
    QTemporaryDir m_dir;
};

namespace {

const QStringList header{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б",
                         "НАЧ"};

// A line of every kind, by row.
const QStringList everyKind = header
    + QStringList{
        "    ШАГ",                   // 4
        "    ПРЫЖОК",                // 5
        "    ПОВОРОТ",               // 6
        "    ДЕЛАЙ п",               // 7
        "//заметка",                 // 8
        "",                          // 9
        "    ЕСЛИ впереди стена",    // 10
        "       ТО",                 // 11
        "       ИНАЧЕ",              // 12
        "    ВСЁ",                   // 13
        "    ПОКА впереди НЕ стена", // 14
        "    НЦ",                    // 15
        "    КЦ",                    // 16
        "КОН",                       // 17
        "ПРОЦЕДУРА п",               // 18
        "КОНЕЦ ПРОЦЕДУРЫ",           // 19
        "ШАГ ",                      // 20: not a command, only a loaded file has it
    };

// Loads a text through the context menu, as the pupil loads a file.
void load(EditorSession &s, const QString &folder, const QStringList &lines)
{
    const QString file = folder + QStringLiteral("/loaded.txt");
    QVERIFY(writeAlgorithmFile(file, lines).isEmpty());
    s.dialogs->openName = file;
    s.menu(s.menuItem("N11"));
    QCOMPARE(s.lines(), lines);
}

QString enabledItems(const AlgorithmMenu *menu)
{
    QString states;
    for (const char *name : {"N1", "N3", "N2", "N6", "N4", "N5", "N7", "N10", "N11"})
        states += control<QAction>(*menu, name)->isEnabled() ? u'1' : u'0';
    return states;
}

} // namespace

void TestAlgorithmMenu::items()
{
    EditorSession s;
    const QList<QAction *> actions = s.comMenu()->actions();
    QStringList names;
    QStringList captions;
    for (const QAction *item : actions) {
        names << item->objectName();
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(s.comMenu()->objectName(), QStringLiteral("ComMenu"));
    QCOMPARE(names,
             (QStringList{"N1", "N3", "N2", "N6", "N4", "N8", "N5", "N7", "N9", "N10", "N11",
                          "NBreakpointSeparator", "NBreakpoint"}));
    QCOMPARE(
        captions,
        (QStringList{"Удалить строку", "Удалить конструкцию", "Удалить ветвь ИНАЧЕ", "Удалить процедуру",
                     "Удалить тело алгоритма ", "-", "Вставить пустую строку", "Вставить комментарии", "-",
                     "Сохранить алгоритм в файле", "Загрузить алгоритм из файла", "-", "Точка останова"}));
    QVERIFY(s.menuItem("N8")->isVisible());
    QVERIFY(!s.menuItem("N9")->isVisible());
}

void TestAlgorithmMenu::enabling_data()
{
    QTest::addColumn<int>("row");
    // N1 N3 N2 N6, then "Удалить тело алгоритма ", the two insertions and the two file items.
    QTest::addColumn<QString>("states");
    QTest::newRow("title") << 0 << "000011111";
    QTest::newRow("given") << 1 << "000011111";
    QTest::newRow("goal") << 2 << "000011111";
    QTest::newRow("НАЧ") << 3 << "000011111";
    QTest::newRow("ШАГ") << 4 << "100011111";
    QTest::newRow("ПРЫЖОК") << 5 << "100011111";
    QTest::newRow("ПОВОРОТ") << 6 << "100011111";
    QTest::newRow("call") << 7 << "100011111";
    QTest::newRow("comment") << 8 << "100011111";
    QTest::newRow("blank") << 9 << "100011111";
    QTest::newRow("branch head") << 10 << "010011111";
    QTest::newRow("ТО") << 11 << "111111111";
    QTest::newRow("ИНАЧЕ") << 12 << "001011111";
    QTest::newRow("ВСЁ") << 13 << "000011111";
    QTest::newRow("loop head") << 14 << "010011111";
    QTest::newRow("НЦ") << 15 << "111111111";
    QTest::newRow("КЦ") << 16 << "000011111";
    QTest::newRow("КОН") << 17 << "000011111";
    QTest::newRow("procedure head") << 18 << "000111111";
    QTest::newRow("procedure end") << 19 << "000011111";
    QTest::newRow("other text") << 20 << "111111111";
}

void TestAlgorithmMenu::enabling()
{
    QFETCH(int, row);
    QFETCH(QString, states);
    EditorSession s;
    load(s, m_dir.path(), everyKind);
    s.select(row);
    s.openMenuAt(row);
    QVERIFY(s.comMenu()->isVisible());
    QCOMPARE(enabledItems(s.comMenu()), states);
    s.comMenu()->hide();
}

void TestAlgorithmMenu::rightClickKeepsSelection()
{
    EditorSession s;
    load(s, m_dir.path(), everyKind);
    s.clickRow(5);
    QCOMPARE(s.currentRow(), 5);
    // The menu acts on the selected line, not on the row under the mouse.
    s.openMenuAt(17);
    QCOMPARE(s.currentRow(), 5);
    QCOMPARE(enabledItems(s.comMenu()), QStringLiteral("100011111"));
    s.comMenu()->hide();
}

void TestAlgorithmMenu::keysOpenTheMenu_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("states"); // enabled items as in enabling(); empty: no menu

    QTest::newRow("Menu key") << QKeyCombination(Qt::Key_Menu) << 5 << "100011111";
    QTest::newRow("Shift+F10") << (Qt::SHIFT | Qt::Key_F10) << 5 << "100011111";
    QTest::newRow("Shift+F10 on a loop head") << (Qt::SHIFT | Qt::Key_F10) << 14 << "010011111";
    QTest::newRow("F10 alone") << QKeyCombination(Qt::Key_F10) << 5 << QString();
    QTest::newRow("Ctrl+Shift+F10") << (Qt::CTRL | Qt::SHIFT | Qt::Key_F10) << 5 << QString();
}

// Without the mouse the menu opens at the selected line: by the Menu key, which the window
// system delivers as a keyboard context menu request to the focused widget, or by Shift+F10
// on a keyboard that has no Menu key.
void TestAlgorithmMenu::keysOpenTheMenu()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(int, row);
    QFETCH(QString, states);
    EditorSession s;
    load(s, m_dir.path(), everyKind);
    s.clickRow(row);
    QCOMPARE(s.currentRow(), row);
    QCOMPARE(s.focus(), s.list());
    if (keys.key() == Qt::Key_Menu) {
        const QPoint at = s.list()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, s.list()->mapToGlobal(at));
        QApplication::sendEvent(s.list(), &event);
    } else {
        s.key(keys.key(), keys.keyboardModifiers());
    }

    QCOMPARE(s.comMenu()->isVisible(), !states.isEmpty());
    QCOMPARE(s.currentRow(), row);
    if (states.isEmpty())
        return;
    QCOMPARE(enabledItems(s.comMenu()), states);
    // At the selected line, not where the mouse happens to be.
    const QRect line = s.list()->visualRect(s.text().index(row, 0));
    const int frame = s.list()->frameWidth();
    const QRect onScreen(s.list()->viewport()->mapToGlobal(line.topLeft()), line.size());
    QVERIFY2(onScreen.adjusted(-frame, -frame, frame, frame).contains(s.comMenu()->pos()),
             qPrintable(QStringLiteral("menu at %1,%2").arg(s.comMenu()->x()).arg(s.comMenu()->y())));
    s.comMenu()->hide();
}

void TestAlgorithmMenu::deletions_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("expectedBody");
    QTest::addColumn<int>("expectedRow");

    const QStringList nestedBranches{
        "    ЕСЛИ впереди стена",           // 4
        "       ТО",                        // 5
        "           ЕСЛИ впереди НЕ стена", // 6
        "              ТО",                 // 7
        "                  ШАГ",            // 8
        "              ИНАЧЕ",              // 9
        "           ВСЁ",                   // 10
        "       ИНАЧЕ",                     // 11
        "           ПОВОРОТ",               // 12
        "    ВСЁ",                          // 13
        "    ПРЫЖОК",                       // 14
        "КОН",                              // 15
    };
    QTest::newRow("branch holding a branch")
        << nestedBranches << 4 << "N3" << QStringList{"    ПРЫЖОК", "КОН"} << 4;
    QTest::newRow("inner branch") << nestedBranches << 6 << "N3"
                                  << (nestedBranches.mid(0, 2) + nestedBranches.mid(7)) << 6;
    QTest::newRow("else-branch of the inner branch")
        << nestedBranches << 9 << "N2" << (nestedBranches.mid(0, 5) + nestedBranches.mid(6)) << 9;

    const QStringList elseHoldsBranch{
        "    ЕСЛИ впереди стена",        // 4
        "       ТО",                     // 5
        "           ШАГ",                // 6
        "       ИНАЧЕ",                  // 7
        "           ЕСЛИ впереди стена", // 8
        "              ТО",              // 9
        "              ИНАЧЕ",           // 10
        "           ВСЁ",                // 11
        "    ВСЁ",                       // 12
        "КОН",                           // 13
    };
    QTest::newRow("else-branch holding a branch")
        << elseHoldsBranch << 7 << "N2" << (elseHoldsBranch.mid(0, 3) + QStringList{"    ВСЁ", "КОН"}) << 7;

    const QStringList loops{
        "    ПОКА впереди НЕ стена",         // 4
        "    НЦ",                            // 5
        "        ЕСЛИ впереди стена",        // 6
        "           ТО",                     // 7
        "               ПОКА впереди стена", // 8
        "               НЦ",                 // 9
        "               КЦ",                 // 10
        "           ИНАЧЕ",                  // 11
        "        ВСЁ",                       // 12
        "        ПОКА впереди стена",        // 13
        "        НЦ",                        // 14
        "            ШАГ",                   // 15
        "        КЦ",                        // 16
        "    КЦ",                            // 17
        "КОН",                               // 18
    };
    QTest::newRow("loop holding a branch and loops") << loops << 4 << "N3" << QStringList{"КОН"} << 4;
    QTest::newRow("branch holding a loop") << loops << 6 << "N3" << (loops.mid(0, 2) + loops.mid(9)) << 6;
    QTest::newRow("inner loop") << loops << 13 << "N3" << (loops.mid(0, 9) + loops.mid(13)) << 13;

    QTest::newRow("a line") << QStringList{"    ШАГ", "    ПОВОРОТ", "КОН"} << 5 << "N1"
                            << QStringList{"    ШАГ", "КОН"} << 5;
    QTest::newRow("the last line") << QStringList{"КОН", "//конец"} << 5 << "N1" << QStringList{"КОН", ""}
                                   << 5;
    QTest::newRow("the last procedure") << QStringList{"КОН", "ПРОЦЕДУРА а", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"}
                                        << 5 << "N6" << QStringList{"КОН", ""} << 5;
    QTest::newRow("a procedure before another")
        << QStringList{"КОН", "ПРОЦЕДУРА а", "КОНЕЦ ПРОЦЕДУРЫ", "ПРОЦЕДУРА б", "КОНЕЦ ПРОЦЕДУРЫ"} << 5 << "N6"
        << QStringList{"КОН", "ПРОЦЕДУРА б", "КОНЕЦ ПРОЦЕДУРЫ"} << 5;
    // A loaded file may lack a closing line: the deletion stops at the end of the text.
    QTest::newRow("branch without ВСЁ")
        << QStringList{"КОН", "ЕСЛИ впереди стена", "ТО", "ШАГ"} << 5 << "N3" << QStringList{"КОН"} << 4;
    QTest::newRow("procedure without its end")
        << QStringList{"КОН", "ПРОЦЕДУРА а", "ШАГ"} << 5 << "N6" << QStringList{"КОН"} << 4;
}

void TestAlgorithmMenu::deletions()
{
    QFETCH(QStringList, body);
    QFETCH(int, selected);
    QFETCH(QString, item);
    QFETCH(QStringList, expectedBody);
    QFETCH(int, expectedRow);
    EditorSession s;
    load(s, m_dir.path(), header + body);
    s.select(selected);
    s.menu(s.comMenu()->findChild<QAction *>(item));
    QCOMPARE(s.lines(), header + expectedBody);
    QCOMPARE(s.currentRow(), expectedRow);
    QCOMPARE(s.list()->currentIndex().row(), expectedRow);
    QCOMPARE(s.statistics(), updateStatistics(s.lines()));
    QCOMPARE(s.names()->names(), rebuildProcedureList(s.lines()));
}

void TestAlgorithmMenu::deleteKey_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("removed");
    QTest::newRow("title") << 0 << false;
    QTest::newRow("ШАГ") << 4 << true;
    QTest::newRow("ПРЫЖОК") << 5 << true;
    QTest::newRow("ПОВОРОТ") << 6 << true;
    QTest::newRow("call") << 7 << true;
    QTest::newRow("comment") << 8 << true;
    QTest::newRow("blank") << 9 << true;
    QTest::newRow("branch head") << 10 << false;
    QTest::newRow("ТО") << 11 << false;
    QTest::newRow("ИНАЧЕ") << 12 << false;
    QTest::newRow("ВСЁ") << 13 << false;
    QTest::newRow("loop head") << 14 << false;
    QTest::newRow("КЦ") << 16 << false;
    QTest::newRow("КОН") << 17 << false;
    QTest::newRow("procedure head") << 18 << false;
    QTest::newRow("procedure end") << 19 << false;
    QTest::newRow("other text") << 20 << false;
}

void TestAlgorithmMenu::deleteKey()
{
    QFETCH(int, row);
    QFETCH(bool, removed);
    EditorSession s;
    load(s, m_dir.path(), everyKind);
    const QStringList statistics = s.statistics();
    s.select(row);
    s.list()->setFocus();
    s.key(Qt::Key_Delete);
    QStringList expected = everyKind;
    if (removed)
        expected.removeAt(row);
    QCOMPARE(s.lines(), expected);
    QCOMPARE(s.currentRow(), row);
    if (!removed)
        QCOMPARE(s.statistics(), statistics);
    else
        QCOMPARE(s.statistics(), updateStatistics(expected));
}

void TestAlgorithmMenu::selfCallingProcedure()
{
    EditorSession s;
    const QStringList text =
        header + QStringList{"КОН", "ПРОЦЕДУРА круг", "    ПОВОРОТ", "    ДЕЛАЙ круг", "КОНЕЦ ПРОЦЕДУРЫ"};
    load(s, m_dir.path(), text);
    const QStringList statistics = s.statistics();
    s.select(5);
    SeenMessage seen;
    closeNextMessage(&seen);
    s.menu(s.menuItem("N6"));
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, QStringLiteral("Нельзя удалить процедуру \nбез удаления всех её вызовов !!!"));
    QCOMPARE(s.lines(), text);
    QCOMPARE(s.currentRow(), 5);
    QCOMPARE(s.names()->names(), QStringList{"круг"});
    QCOMPARE(s.statistics(), statistics);

    // Without the call it goes, and the text keeps a line to select.
    s.select(7);
    s.menu(s.menuItem("N1"));
    s.select(5);
    s.menu(s.menuItem("N6"));
    QCOMPARE(seen.count, 1);
    QCOMPARE(s.lines(), header + (QStringList{"КОН", ""}));
    QCOMPARE(s.currentRow(), 5);
    QVERIFY(s.names()->names().isEmpty());
}

void TestAlgorithmMenu::procedureDeletionUpdatesNames()
{
    EditorSession s;
    s.enterNewName(Qt::Key_F5, QStringLiteral("а"));
    s.enterNewName(Qt::Key_F5, QStringLiteral("б"));
    QCOMPARE(s.names()->names(), (QStringList{"а", "б"}));
    s.clickRow(5);
    QCOMPARE(s.text().currentLine(), QStringLiteral("ПРОЦЕДУРА а"));
    s.menu(s.menuItem("N6"));
    QCOMPARE(s.names()->names(), QStringList{"б"});
    QCOMPARE(s.lines().mid(4), (QStringList{"КОН", "ПРОЦЕДУРА б", "КОНЕЦ ПРОЦЕДУРЫ"}));
    // The name can be entered anew.
    s.enterNewName(Qt::Key_F5, QStringLiteral("а"));
    QCOMPARE(s.names()->names(), (QStringList{"б", "а"}));
}

void TestAlgorithmMenu::wholeAlgorithm()
{
    for (bool hasPointB : {true, false}) {
        EditorSession s(hasPointB);
        load(s, m_dir.path(), everyKind);
        QCOMPARE(s.names()->names(), QStringList{"п"});
        s.select(10);
        s.menu(s.menuItem("N4"));
        QCOMPARE(s.lines(), algorithmSkeleton(hasPointB));
        QCOMPARE(s.currentRow(), 4);
        QCOMPARE(s.statistics(), resetStatistics());
        QVERIFY(s.names()->names().isEmpty());
        QVERIFY(s.names()->names().isEmpty());
    }
}

void TestAlgorithmMenu::menuNeedsEditing()
{
    EditorSession s;
    control<QAction>(s.window, "NMainDebug")->trigger();
    QVERIFY(!s.list()->isEnabled());
    s.openMenuAt(4);
    QVERIFY(!s.comMenu()->isVisible());
    QTest::keyClick(s.list(), Qt::Key_Delete);
    QCOMPARE(s.lines().size(), 5);
}

QTEST_MAIN(TestAlgorithmMenu)
#include "tst_algorithmmenu.moc"
