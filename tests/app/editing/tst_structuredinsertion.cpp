#include "app/common/hint.h"
#include "app/editing/panels/commandpanel.h"
#include "editor/algorithmline.h"

#include "app/editorsession.h"
#include "app/work/workmenubar.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

// A condition panel's buttons by their names: the one for "не стена" ends in "Not".
QPushButton *conditionButton(const QWidget *panel, bool positive)
{
    for (QPushButton *button : panel->findChildren<QPushButton *>()) {
        if (button->objectName().endsWith(QLatin1String("Not")) != positive)
            return button;
    }
    qFatal("no condition button");
}

} // namespace

Q_DECLARE_METATYPE(WorkStage)

class TestStructuredInsertion : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void workedExample();
    void commandsBeforeEnd();
    void modifiedFunctionKeysInsertNothing();
    void branchThenCommand();
    void insertionsEnableDebugging_data();
    void insertionsEnableDebugging();
    void statisticsAfterInsertion_data();
    void statisticsAfterInsertion();
    void scrollsToMiddle_data();
    void scrollsToMiddle();
    void conditionPanels_data();
    void conditionPanels();
    void conditionPanelKeys();
    void closedConditionPanelTakesNoKeys_data();
    void closedConditionPanelTakesNoKeys();
    void callOfNewName();
    void procedurePanelKeepsItsPurpose_data();
    void procedurePanelKeepsItsPurpose();
    void describedNameRefused();
    void newNameRules_data();
    void newNameRules();
    void upDownWrap();
    void otherWaysOfChoosing_data();
    void otherWaysOfChoosing();
    void procedurePanelClosing_data();
    void procedurePanelClosing();
    void procedurePanelFocus();
    void comment_data();
    void comment();
    void commentLosingFocus();
    void outsideWindows1251Refused_data();
    void outsideWindows1251Refused();
    void blankLine();
    void selectionRule_data();
    void selectionRule();
    void keyboardCannotPassLoopBegin();
    void developmentAppliesSelectionRule();
    void panelTexts_data();
    void panelTexts();
};

void TestStructuredInsertion::workedExample()
{
    EditorSession s;
    QVERIFY(s.activated);
    QCOMPARE(s.currentRow(), 4);
    // A loop on "впереди НЕ стена": the negated condition is the second button.
    s.key(Qt::Key_F8);
    s.key(Qt::Key_Down);
    s.key(Qt::Key_Return);
    s.key(Qt::Key_F2);
    s.clickRow(8);
    QCOMPARE(s.text().currentLine(), QStringLiteral("КОН"));
    s.key(Qt::Key_F7);
    s.key(Qt::Key_Return);
    s.key(Qt::Key_F4);
    s.clickRow(12);
    QCOMPARE(s.text().currentLine(), QStringLiteral("    ВСЁ"));
    s.key(Qt::Key_F6);
    s.type(QStringLiteral("угол"));
    s.key(Qt::Key_Return);
    s.clickRow(16);
    QCOMPARE(s.text().currentLine(), QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ"));
    s.key(Qt::Key_F4);

    const QStringList expected{
        "0|АЛГОРИТМ ПУТЬ_0",
        "4|Дано: Исполнитель в т.А",
        "4|Надо: Исполнитель в т.Б",
        "0|НАЧ",
        "4|ПОКА впереди НЕ стена",
        "4|НЦ",
        "8|ШАГ",
        "4|КЦ",
        "4|ЕСЛИ впереди стена",
        "7|ТО",
        "11|ПОВОРОТ",
        "7|ИНАЧЕ",
        "11|ДЕЛАЙ угол",
        "4|ВСЁ",
        "0|КОН",
        "0|ПРОЦЕДУРА угол",
        "4|ПОВОРОТ",
        "0|КОНЕЦ ПРОЦЕДУРЫ",
    };
    const QStringList rows = indentedRows(s.lines());
    QCOMPARE(rows.size(), expected.size());
    for (int row = 0; row < expected.size(); ++row)
        QCOMPARE(rows.at(row), expected.at(row));
    QCOMPARE(s.currentRow(), 18 - 1);
    QCOMPARE(s.names()->names(), QStringList{"угол"});
    QCOMPARE(s.names()->names(), QStringList{"угол"});
    QCOMPARE(s.statistics().at(2), QStringLiteral("команд     ..............3"));
    QCOMPARE(s.statistics().at(8), QStringLiteral("Итого:  строк   ......18"));
}

void TestStructuredInsertion::commandsBeforeEnd()
{
    EditorSession s;
    for (int i = 0; i < 3; ++i)
        s.key(Qt::Key_F2);
    QCOMPARE(s.lines().mid(3), (QStringList{"НАЧ", "    ШАГ", "    ШАГ", "    ШАГ", "КОН"}));
    QCOMPARE(s.text().currentLine(), QStringLiteral("КОН"));
    QCOMPARE(s.list()->currentIndex().row(), 7);
    // The buttons do the same as the keys, in the order given.
    QTest::mouseClick(control<QPushButton>(s.window, "PPButtonJump"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(s.window, "PPButtonTurn"), Qt::LeftButton);
    QCOMPARE(s.lines().mid(7), (QStringList{"    ПРЫЖОК", "    ПОВОРОТ", "КОН"}));
    QCOMPARE(s.currentRow(), 9);
}

void TestStructuredInsertion::modifiedFunctionKeysInsertNothing()
{
    EditorSession s;
    // Shift+F2 is the shortcut of "Разработка", disabled while editing.
    QVERIFY(!control<QAction>(s.window, "NMainWork")->isEnabled());
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F7, Qt::Key_F8})
            QTest::keyClick(s.list(), key, modifier);
    }
    QCOMPARE(s.lines().size(), 5);
    QVERIFY(s.panelIf()->isHidden());
    QVERIFY(s.panelWhile()->isHidden());
    s.key(Qt::Key_F2);
    QCOMPARE(s.lines().size(), 6);
}

void TestStructuredInsertion::branchThenCommand()
{
    EditorSession s;
    s.key(Qt::Key_F7);
    QVERIFY(s.panelIf()->isVisible());
    QTest::mouseClick(conditionButton(s.panelIf(), true), Qt::LeftButton);
    QVERIFY(s.panelIf()->isHidden());
    QCOMPARE(indentedRows(s.lines().mid(4)),
             (QStringList{"4|ЕСЛИ впереди стена", "7|ТО", "7|ИНАЧЕ", "4|ВСЁ", "0|КОН"}));
    QCOMPARE(s.currentRow(), 6);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(s.window, "PPButtonIf"));
    s.key(Qt::Key_F2);
    QCOMPARE(s.lines().at(6), QStringLiteral("           ШАГ"));
    QCOMPARE(s.lines().at(5), QStringLiteral("       ТО"));
    QCOMPARE(s.lines().at(7), QStringLiteral("       ИНАЧЕ"));
    QCOMPARE(s.currentRow(), 7);
    // The keys that move through the text go on from the button into the list.
    s.key(Qt::Key_Down);
    QCOMPARE(s.currentRow(), 8);
    QCOMPARE(QApplication::focusWidget(), s.list());
}

void TestStructuredInsertion::insertionsEnableDebugging_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("ШАГ") << QList<int>{Qt::Key_F2} << QString() << true;
    QTest::newRow("ПРЫЖОК") << QList<int>{Qt::Key_F3} << QString() << false;
    QTest::newRow("ПОВОРОТ") << QList<int>{Qt::Key_F4} << QString() << false;
    QTest::newRow("branch") << QList<int>{Qt::Key_F7, Qt::Key_Return} << QString() << false;
    QTest::newRow("loop") << QList<int>{Qt::Key_F8, Qt::Key_Return} << QString() << false;
    QTest::newRow("call") << QList<int>{Qt::Key_F6} << QStringLiteral("п") << true;
}

void TestStructuredInsertion::insertionsEnableDebugging()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    // In "Начать" the keys still insert, and only some insertions enable "Отладка".
    EditorSession s(true, typed.isEmpty() ? WorkStage::Begin : WorkStage::Development);
    if (!typed.isEmpty()) {
        // A call needs its panel serving calls, which only "Разработка" gives.
        s.window.workMenu().debuggingItem().setEnabled(false);
    }
    QVERIFY(!control<QAction>(s.window, "NMainDebug")->isEnabled());
    control<QListWidget>(s.window, "lstTsk")->setFocus();
    for (int key : keys)
        s.key(Qt::Key(key));
    if (!typed.isEmpty()) {
        s.type(typed);
        s.key(Qt::Key_Return);
    }
    QVERIFY(s.lines().size() > 5);
    QCOMPARE(control<QAction>(s.window, "NMainDebug")->isEnabled(), enabled);
}

void TestStructuredInsertion::statisticsAfterInsertion_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("counts");
    QTest::newRow("ШАГ") << QList<int>{Qt::Key_F2} << QString() << QStringList{"1", "0", "0", "0", "0", "6"};
    QTest::newRow("branch") << QList<int>{Qt::Key_F7, Qt::Key_Return} << QString()
                            << QStringList{"0", "0", "0", "1", "0", "9"};
    QTest::newRow("loop") << QList<int>{Qt::Key_F8, Qt::Key_Return} << QString()
                          << QStringList{"0", "0", "0", "0", "1", "8"};
    QTest::newRow("description") << QList<int>{Qt::Key_F5} << QStringLiteral("п")
                                 << QStringList{"0", "1", "0", "0", "0", "7"};
    QTest::newRow("call of a new name")
        << QList<int>{Qt::Key_F6} << QStringLiteral("п") << QStringList{"0", "1", "1", "0", "0", "8"};
}

void TestStructuredInsertion::statisticsAfterInsertion()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, typed);
    QFETCH(QStringList, counts);
    EditorSession s;
    for (int key : keys)
        s.key(Qt::Key(key));
    if (!typed.isEmpty()) {
        s.type(typed);
        s.key(Qt::Key_Return);
    }
    const QStringList rows = s.statistics();
    QCOMPARE(rows.size(), 9);
    QCOMPARE(rows, updateStatistics(s.lines()));
    QCOMPARE(rows.at(2), QStringLiteral("команд     ..............") + counts.at(0));
    QCOMPARE(rows.at(3), QStringLiteral("процедур   ..............") + counts.at(1));
    QCOMPARE(rows.at(4), QStringLiteral("вызовов процедур ") + counts.at(2));
    QCOMPARE(rows.at(5), QStringLiteral("ветвлений  .............") + counts.at(3));
    QCOMPARE(rows.at(6), QStringLiteral("циклов      ..............") + counts.at(4));
    QCOMPARE(rows.at(8), QStringLiteral("Итого:  строк   ......") + counts.at(5));
}

void TestStructuredInsertion::scrollsToMiddle_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expectedTop");
    // Inserted before row 40 of 104; the list shows 32 rows and half of it is 16.
    QTest::newRow("command") << int(Qt::Key_F3) << 40 - 16;
    QTest::newRow("branch") << int(Qt::Key_F7) << 40 - 16 + 3;
    QTest::newRow("loop") << int(Qt::Key_F8) << 40 - 16 + 2;
    // Near the end the list clamps the top row to its last page.
    QTest::newRow("last page") << int(Qt::Key_F4) << 104 + 1 - 32;
}

void TestStructuredInsertion::scrollsToMiddle()
{
    QFETCH(int, key);
    QFETCH(int, expectedTop);
    EditorSession s;
    QCOMPARE(halfVisibleLines(s.list()->height()), 16);
    for (int i = 0; i < 99; ++i)
        s.key(Qt::Key_F2);
    QCOMPARE(s.lines().size(), 104);
    s.clickRow(key == Qt::Key_F4 ? 103 : 40);
    s.list()->scrollToTop();
    QCOMPARE(s.topRow(), 0);
    s.key(Qt::Key(key));
    if (key == Qt::Key_F7 || key == Qt::Key_F8)
        s.key(Qt::Key_Return);
    QCOMPARE(s.list()->verticalScrollBar()->value(), expectedTop);
    QCOMPARE(s.topRow(), expectedTop);
}

void TestStructuredInsertion::conditionPanels_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("button");
    QTest::newRow("branch") << int(Qt::Key_F7) << "PanelIf"
                            << "PPButtonIf";
    QTest::newRow("loop") << int(Qt::Key_F8) << "PanelWhile"
                          << "PPButtonWhile";
}

void TestStructuredInsertion::conditionPanels()
{
    QFETCH(int, key);
    QFETCH(QString, panel);
    QFETCH(QString, button);
    EditorSession s;
    auto *shown = s.window.findChild<ConditionPanel *>(panel);
    QVERIFY(shown);
    QVERIFY(shown->isHidden());
    s.key(Qt::Key(key));
    QVERIFY(shown->isVisible());
    const QWidget *commands = control<CommandPanel>(s.window, "PPPanelSystCom");
    const QWidget *pressed = s.window.findChild<QPushButton *>(button);
    QCOMPARE(shown->geometry(),
             QRect(commands->x() + commands->width(), commands->y() + pressed->y(), 185, 73));
    QCOMPARE(shown->geometry(), QRect(131, 95 + pressed->y(), 185, 73));
    QCOMPARE(QApplication::focusWidget(), conditionButton(shown, true));
    // Esc on its button hides it and inserts nothing.
    s.key(Qt::Key_Escape);
    QVERIFY(shown->isHidden());
    QCOMPARE(s.lines().size(), 5);
    // The keys are back in the algorithm, where the pupil pressed the function key.
    QCOMPARE(QApplication::focusWidget(), s.list());
    // The button opens it as the key does.
    QTest::mouseClick(s.window.findChild<QPushButton *>(button), Qt::LeftButton);
    QVERIFY(shown->isVisible());
    QCOMPARE(QApplication::focusWidget(), conditionButton(shown, true));
    QTest::mouseClick(conditionButton(shown, false), Qt::LeftButton);
    QVERIFY(shown->isHidden());
    QVERIFY(s.lines().at(4).endsWith(QStringLiteral("впереди НЕ стена")));
}

void TestStructuredInsertion::conditionPanelKeys()
{
    EditorSession s;
    ConditionPanel *panel = s.panelWhile();
    s.key(Qt::Key_F8);
    // The cursor keys reach the negated condition and come back.
    s.key(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), conditionButton(panel, false));
    s.key(Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), conditionButton(panel, true));
    // Esc on the negated button hides the panel as well.
    s.key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), conditionButton(panel, false));
    QTest::keyClick(conditionButton(panel, false), Qt::Key_Escape);
    QVERIFY(panel->isHidden());
    QCOMPARE(QApplication::focusWidget(), s.list());
    s.key(Qt::Key_F8);
    s.key(Qt::Key_Return);
    QCOMPARE(s.lines().mid(4), (QStringList{"    ПОКА впереди стена", "    НЦ", "    КЦ", "КОН"}));
    QCOMPARE(s.currentRow(), 6);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(s.window, "PPButtonWhile"));
}

void TestStructuredInsertion::closedConditionPanelTakesNoKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<WorkStage>("stage");
    QTest::addColumn<int>("inserted");
    // In "Начать" and "Отладка" the function keys still insert, while the command buttons
    // that would take the focus afterwards are off.
    QTest::newRow("branch, Начать") << int(Qt::Key_F7) << WorkStage::Begin << 4;
    QTest::newRow("loop, Начать") << int(Qt::Key_F8) << WorkStage::Begin << 3;
    QTest::newRow("branch, Отладка") << int(Qt::Key_F7) << WorkStage::Debugging << 4;
    QTest::newRow("loop, Отладка") << int(Qt::Key_F8) << WorkStage::Debugging << 3;
    QTest::newRow("branch, Разработка") << int(Qt::Key_F7) << WorkStage::Development << 4;
}

void TestStructuredInsertion::closedConditionPanelTakesNoKeys()
{
    QFETCH(int, key);
    QFETCH(WorkStage, stage);
    QFETCH(int, inserted);
    EditorSession s(true, stage);
    QVERIFY(s.activated);
    s.key(Qt::Key(key));
    ConditionPanel *panel = key == Qt::Key_F7 ? s.panelIf() : s.panelWhile();
    QVERIFY(panel->isVisible());
    s.key(Qt::Key_Return);
    QVERIFY(panel->isHidden());
    QCOMPARE(s.lines().size(), 5 + inserted);
    QVERIFY(!panel->isAncestorOf(QApplication::focusWidget()));
    // Keys pressed afterwards reach no button of the hidden panel.
    s.key(Qt::Key_Return);
    s.key(Qt::Key_Space);
    QCOMPARE(s.lines().size(), 5 + inserted);
}

void TestStructuredInsertion::callOfNewName()
{
    EditorSession s;
    s.key(Qt::Key_F6);
    QVERIFY(s.panelProc()->isVisible());
    QVERIFY(!control<QPushButton>(s.window, "PPButtonProc")->isEnabled());
    QVERIFY(control<QPushButton>(s.window, "PPButtonDoProc")->isEnabled());
    // No name yet: the focus is in the field for a new one.
    QCOMPARE(QApplication::focusWidget(), s.newName());
    s.type(QStringLiteral("обход"));
    s.key(Qt::Key_Return);
    QCOMPARE(s.lines().mid(4), (QStringList{"    ДЕЛАЙ обход", "КОН", "ПРОЦЕДУРА обход", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(s.currentRow(), 5);
    QVERIFY(s.panelProc()->isHidden());
    QVERIFY(control<QPushButton>(s.window, "PPButtonProc")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(s.window, "PPButtonDoProc"));
    QCOMPARE(s.names()->names(), QStringList{"обход"});

    // A second call of the same name, chosen from the list, appends nothing.
    s.key(Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), s.names());
    QCOMPARE(s.selectedName(), QStringLiteral("обход"));
    s.key(Qt::Key_Return);
    QCOMPARE(
        s.lines().mid(4),
        (QStringList{"    ДЕЛАЙ обход", "    ДЕЛАЙ обход", "КОН", "ПРОЦЕДУРА обход", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(s.currentRow(), 6);
    QVERIFY(s.panelProc()->isHidden());
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(s.window, "PPButtonDoProc"));
}

void TestStructuredInsertion::procedurePanelKeepsItsPurpose_data()
{
    QTest::addColumn<int>("panelKey");
    QTest::addColumn<QString>("disabledButton");
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("description") << int(Qt::Key_F5) << "PPButtonDoProc"
                                 << QStringList{"КОН", "ПРОЦЕДУРА обход", "КОНЕЦ ПРОЦЕДУРЫ"};
    QTest::newRow("call") << int(Qt::Key_F6) << "PPButtonProc"
                          << QStringList{"    ДЕЛАЙ обход", "КОН", "ПРОЦЕДУРА обход", "КОНЕЦ ПРОЦЕДУРЫ"};
}

void TestStructuredInsertion::procedurePanelKeepsItsPurpose()
{
    QFETCH(int, panelKey);
    QFETCH(QString, disabledButton);
    QFETCH(QStringList, tail);
    EditorSession s;
    s.key(Qt::Key(panelKey));
    QVERIFY(s.panelProc()->isVisible());
    const QStringList before = s.lines();

    // In "Отладка" the open panel inserts nothing.
    control<QAction>(s.window, "NMainDebug")->trigger();
    s.newName()->setFocus();
    s.type(QStringLiteral("обход"));
    QTest::keyClick(s.newName(), Qt::Key_Return);
    QCOMPARE(s.lines(), before);

    // Back in "Разработка" it serves what it was opened for, and its buttons say so.
    control<QAction>(s.window, "NMainWork")->trigger();
    QVERIFY(s.panelProc()->isVisible());
    QVERIFY(!s.window.findChild<QPushButton *>(disabledButton)->isEnabled());
    s.newName()->clear();
    s.newName()->setFocus();
    s.type(QStringLiteral("обход"));
    QTest::keyClick(s.newName(), Qt::Key_Return);
    QCOMPARE(s.lines().mid(4), tail);
}

void TestStructuredInsertion::describedNameRefused()
{
    EditorSession s;
    s.enterNewName(Qt::Key_F5, QStringLiteral("угол"));
    QCOMPARE(s.lines().mid(5), (QStringList{"ПРОЦЕДУРА угол", "КОНЕЦ ПРОЦЕДУРЫ"}));
    QCOMPARE(s.currentRow(), 6);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(s.window, "PPButtonProc"));
    const QStringList before = s.lines();

    // Chosen from the list for a new description: refused, and the panel stays open.
    s.key(Qt::Key_F5);
    SeenMessage seen;
    closeNextMessage(&seen);
    QTest::mouseClick(s.names()->viewport(), Qt::LeftButton, {},
                      s.names()->visualItemRect(s.names()->item(0)).center());
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, QStringLiteral("Процедура с именем угол уже описана"));
    QVERIFY(s.panelProc()->isVisible());
    QVERIFY(control<QPushButton>(s.window, "PPButtonProc")->isEnabled());
    QVERIFY(!control<QPushButton>(s.window, "PPButtonDoProc")->isEnabled());
    QCOMPARE(s.lines(), before);

    // Typed in again: the same message, the text stays in the field.
    typeText(s.newName(), QStringLiteral("угол"));
    closeNextMessage(&seen);
    QTest::keyClick(s.newName(), Qt::Key_Return);
    QCOMPARE(seen.count, 2);
    QCOMPARE(seen.text, QStringLiteral("Процедура с именем угол уже описана"));
    QVERIFY(s.panelProc()->isVisible());
    QCOMPARE(s.newName()->text(), QStringLiteral("угол"));
    QCOMPARE(s.lines(), before);
    QCOMPARE(s.names()->names(), QStringList{"угол"});
}

void TestStructuredInsertion::newNameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QString() << "Введите имя новой процедуры";
    QTest::newRow("digit first") << "1угол"
                                 << "Имя процедуры должно начинаться с буквы";
    QTest::newRow("nine first") << "9"
                                << "Имя процедуры должно начинаться с буквы";
    QTest::newRow("known name") << "Угол"
                                << "Процедура с именем Угол уже описана";
    QTest::newRow("other case") << "угол" << QString();
    QTest::newRow("blank first") << " угол" << QString();
    QTest::newRow("underscore first") << "_a1" << QString();
    QTest::newRow("latin") << "turn2" << QString();
}

void TestStructuredInsertion::newNameRules()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    EditorSession s;
    s.enterNewName(Qt::Key_F5, QStringLiteral("Угол"));
    QCOMPARE(s.names()->names(), QStringList{"Угол"});
    s.clickRow(4);
    const QStringList before = s.lines();

    s.key(Qt::Key_F6);
    s.newName()->setFocus();
    s.type(name);
    SeenMessage seen;
    if (!message.isEmpty())
        closeNextMessage(&seen);
    s.key(Qt::Key_Return);
    if (message.isEmpty()) {
        QCOMPARE(s.names()->names(), (QStringList{"Угол", name}));
        QCOMPARE(s.lines().at(4), QStringLiteral("    ДЕЛАЙ ") + name);
        QCOMPARE(s.lines().mid(s.lines().size() - 2), (QStringList{"ПРОЦЕДУРА " + name, "КОНЕЦ ПРОЦЕДУРЫ"}));
        QVERIFY(s.panelProc()->isHidden());
    } else {
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, message);
        QCOMPARE(s.lines(), before);
        QCOMPARE(s.names()->names(), QStringList{"Угол"});
        QVERIFY(s.panelProc()->isVisible());
        QCOMPARE(s.newName()->text(), name);
        QVERIFY(!control<QPushButton>(s.window, "PPButtonProc")->isEnabled());
    }
}

void TestStructuredInsertion::upDownWrap()
{
    EditorSession s;
    for (const QString &name : {QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в")})
        s.enterNewName(Qt::Key_F5, name);
    QCOMPARE(s.names()->names(), (QStringList{"а", "б", "в"}));
    s.clickRow(4);
    const QStringList before = s.lines();
    s.key(Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), s.names());
    QCOMPARE(s.selectedName(), QStringLiteral("в"));
    const QList<std::pair<Qt::Key, QString>> moves{
        {Qt::Key_Down, "а"}, {Qt::Key_Down, "б"}, {Qt::Key_Down, "в"}, {Qt::Key_Down, "а"},
        {Qt::Key_Up, "в"},   {Qt::Key_Up, "б"},   {Qt::Key_Up, "а"},   {Qt::Key_Up, "в"},
    };
    for (const auto &[key, selected] : moves) {
        s.key(key);
        QCOMPARE(s.selectedName(), selected);
        QVERIFY(s.panelProc()->isVisible());
        QCOMPARE(s.lines(), before);
    }
    s.key(Qt::Key_Down);
    s.key(Qt::Key_Return);
    QCOMPARE(s.lines().at(4), QStringLiteral("    ДЕЛАЙ а"));
}

void TestStructuredInsertion::otherWaysOfChoosing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Home") << int(Qt::Key_Home) << "а";
    QTest::newRow("End") << int(Qt::Key_End) << "в";
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << "а";
}

void TestStructuredInsertion::otherWaysOfChoosing()
{
    QFETCH(int, key);
    QFETCH(QString, chosen);
    EditorSession s;
    for (const QString &name : {QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в")})
        s.enterNewName(Qt::Key_F5, name);
    s.clickRow(4);
    s.key(Qt::Key_F6);
    s.names()->selectName(QStringLiteral("б"));
    s.key(Qt::Key(key));
    QCOMPARE(s.lines().at(4), QStringLiteral("    ДЕЛАЙ ") + chosen);
    QVERIFY(s.panelProc()->isHidden());
}

void TestStructuredInsertion::procedurePanelClosing_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("Esc in the list") << "list";
    QTest::newRow("Esc in the field") << "field";
    QTest::newRow("Esc elsewhere") << "window";
}

void TestStructuredInsertion::procedurePanelClosing()
{
    QFETCH(QString, where);
    EditorSession s;
    s.enterNewName(Qt::Key_F5, QStringLiteral("а"));
    const QStringList before = s.lines();
    s.key(Qt::Key_F5);
    QVERIFY(!control<QPushButton>(s.window, "PPButtonDoProc")->isEnabled());
    if (where == "list")
        QTest::keyClick(s.names(), Qt::Key_Escape);
    else if (where == "field")
        QTest::keyClick(s.newName(), Qt::Key_Escape);
    else
        pressKey(s.window, Qt::Key_Escape);
    QVERIFY(s.panelProc()->isHidden());
    QVERIFY(control<QPushButton>(s.window, "PPButtonProc")->isEnabled());
    QVERIFY(control<QPushButton>(s.window, "PPButtonDoProc")->isEnabled());
    if (where != "window")
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(s.window, "PPButtonDoProc"));
    QCOMPARE(s.lines(), before);
}

void TestStructuredInsertion::procedurePanelFocus()
{
    EditorSession s;
    // Enter in the list with no name selected does nothing.
    s.enterNewName(Qt::Key_F5, QStringLiteral("а"));
    s.key(Qt::Key_F6);
    s.names()->selectName(QString());
    s.names()->setFocus();
    const QStringList before = s.lines();
    s.key(Qt::Key_Return);
    QCOMPARE(s.lines(), before);
    QVERIFY(s.panelProc()->isVisible());
    // The name field is emptied every time the panel opens.
    s.newName()->setText(QStringLiteral("старое"));
    pressKey(s.window, Qt::Key_Escape);
    s.key(Qt::Key_F5);
    QVERIFY(s.newName()->text().isEmpty());
    QCOMPARE(s.panelProc()->geometry(), QRect(8, 128, 265, 169));
}

void TestStructuredInsertion::comment_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::newRow("before КОН") << 4 << "поворот налево"
                                << "//поворот налево";
    QTest::newRow("inside a branch") << 6 << "ветка"
                                     << "//ветка";
    QTest::newRow("empty") << 4 << QString() << "//";
    QTest::newRow("leading blank") << 4 << " x"
                                   << "// x";
}

void TestStructuredInsertion::comment()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    EditorSession s;
    s.key(Qt::Key_F7);
    s.key(Qt::Key_Return);
    s.key(Qt::Key_F2);
    const QStringList statistics = s.statistics();
    s.clickRow(row == 4 ? 9 : 7);
    const int current = s.currentRow();
    const QString currentLine = s.text().currentLine();
    s.menu(s.menuItem("N7"));
    CommentPanel *panel = s.panelComment();
    QVERIFY(panel->isVisible());
    QVERIFY(control<QLineEdit>(*panel, "EditComment")->isVisible());
    QVERIFY(control<QLabel>(*panel, "LabelComment")->isVisible());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(*panel, "EditComment"));
    s.type(typed);
    s.key(Qt::Key_Return);
    QCOMPARE(s.lines().at(current), line);
    QCOMPARE(s.currentRow(), current + 1);
    QCOMPARE(s.text().currentLine(), currentLine);
    QVERIFY(panel->isHidden());
    QVERIFY(control<QLineEdit>(*panel, "EditComment")->isHidden());
    QVERIFY(control<QLabel>(*panel, "LabelComment")->isHidden());
    // Comments are not counted.
    QCOMPARE(s.statistics(), statistics);
}

void TestStructuredInsertion::commentLosingFocus()
{
    EditorSession s;
    s.menu(s.menuItem("N7"));
    CommentPanel *panel = s.panelComment();
    QCOMPARE(panel->geometry(), QRect(128, 224, 281, 65));
    s.type(QStringLiteral("никогда"));
    // Esc in the field does nothing by itself.
    s.key(Qt::Key_Escape);
    QVERIFY(panel->isVisible());
    s.clickRow(4);
    QVERIFY(panel->isHidden());
    QCOMPARE(s.lines().size(), 5);
    // Opened again, the field is empty.
    s.menu(s.menuItem("N7"));
    QVERIFY(control<QLineEdit>(*panel, "EditComment")->text().isEmpty());
}

void TestStructuredInsertion::outsideWindows1251Refused_data()
{
    QTest::addColumn<bool>("comment");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("kept");

    QTest::newRow("Greek in a comment") << true << "угол Ω"
                                        << "Ω"
                                        << "угол ";
    QTest::newRow("Chinese in a comment") << true << "角ж"
                                          << "角"
                                          << "ж";
    QTest::newRow("№ and ё fit") << true << "№ ёж" << QString() << "№ ёж";
    QTest::newRow("Greek in a procedure name") << false << "αугол"
                                               << "α"
                                               << "угол";
}

void TestStructuredInsertion::outsideWindows1251Refused()
{
    QFETCH(bool, comment);
    QFETCH(QString, typed);
    QFETCH(QString, refused);
    QFETCH(QString, kept);

    EditorSession s;
    if (comment) {
        s.menu(s.menuItem("N7"));
    } else {
        s.key(Qt::Key_F5);
        s.newName()->setFocus();
    }
    QLineEdit *field = comment ? control<QLineEdit>(s.window, "EditComment") : s.newName();
    QCOMPARE(QApplication::focusWidget(), field);
    SeenMessage seen;
    if (!refused.isEmpty())
        closeNextMessage(&seen);
    s.type(typed);
    QCOMPARE(seen.count, refused.isEmpty() ? 0 : 1);
    if (!refused.isEmpty())
        QVERIFY2(seen.text.contains(QStringLiteral("«") + refused + QStringLiteral("»")),
                 qPrintable(seen.text));
    QCOMPARE(field->text(), kept);
}

void TestStructuredInsertion::blankLine()
{
    EditorSession s;
    s.key(Qt::Key_F8);
    s.key(Qt::Key_Return);
    const QStringList statistics = s.statistics();
    s.menu(s.menuItem("N5"));
    QCOMPARE(indentedRows(s.lines().mid(4)),
             (QStringList{"4|ПОКА впереди стена", "4|НЦ", "0|", "4|КЦ", "0|КОН"}));
    QCOMPARE(s.currentRow(), 7);
    QCOMPARE(s.statistics(), statistics);
    // A command before a blank line starts in column 0.
    s.clickRow(6);
    s.key(Qt::Key_F3);
    QCOMPARE(s.lines().at(6), QStringLiteral("ПРЫЖОК"));
}

void TestStructuredInsertion::selectionRule_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("selected");
    // The text: skeleton, a loop with an empty body, a branch with a command in the then-body.
    QTest::newRow("title") << 0 << 4;
    QTest::newRow("given") << 1 << 4;
    QTest::newRow("goal") << 2 << 4;
    QTest::newRow("НАЧ") << 3 << 4;
    QTest::newRow("loop head") << 4 << 4;
    QTest::newRow("НЦ of an empty body") << 5 << 6;
    QTest::newRow("КЦ") << 6 << 6;
    QTest::newRow("ТО") << 8 << 9;
    QTest::newRow("command") << 9 << 9;
    QTest::newRow("КОН") << 12 << 12;
    QTest::newRow("selected row again") << -1 << 9;
    QTest::newRow("below the last line: the bar stays") << 13 << 6;
}

void TestStructuredInsertion::selectionRule()
{
    QFETCH(int, clicked);
    QFETCH(int, selected);
    for (bool hasPointB : {true, false}) {
        EditorSession s(hasPointB);
        s.key(Qt::Key_F7);
        s.key(Qt::Key_Return);
        s.key(Qt::Key_F2);
        s.clickRow(4);
        s.key(Qt::Key_F8);
        s.key(Qt::Key_Return);
        QCOMPARE(s.lines().size(), 13);
        if (clicked < 0) {
            // The row already selected is clicked: the rule moves on from it too.
            s.select(8);
            s.clickRow(8);
        } else if (clicked == s.lines().size()) {
            QTest::mouseClick(s.list()->viewport(), Qt::LeftButton, {}, s.rowCentre(12) + QPoint(0, 40));
        } else {
            s.clickRow(clicked);
        }
        QCOMPARE(s.currentRow(), selected);
        QCOMPARE(s.list()->currentIndex().row(), selected);
        QVERIFY(s.list()->selectionModel()->isSelected(s.list()->currentIndex()));
    }
}

void TestStructuredInsertion::keyboardCannotPassLoopBegin()
{
    EditorSession s;
    s.key(Qt::Key_F8);
    s.key(Qt::Key_Return);
    s.key(Qt::Key_F2);
    s.clickRow(6);
    QCOMPARE(s.text().currentLine(), QStringLiteral("        ШАГ"));
    s.list()->setFocus();
    s.key(Qt::Key_Up);
    QCOMPARE(s.currentRow(), 6);
    s.key(Qt::Key_Down);
    QCOMPARE(s.currentRow(), 7);
    // From the first body row, Up cannot reach the header either.
    s.clickRow(4);
    s.key(Qt::Key_Up);
    QCOMPARE(s.currentRow(), 4);
    s.key(Qt::Key_Home);
    QCOMPARE(s.currentRow(), 4);
    // An operation may select such a row: the selection set by an insertion stays.
    s.select(5);
    QCOMPARE(s.currentRow(), 5);
}

void TestStructuredInsertion::developmentAppliesSelectionRule()
{
    EditorSession s;
    s.key(Qt::Key_F7);
    s.key(Qt::Key_Return);
    // A stopped run leaves the highlight on "ТО".
    control<QAction>(s.window, "NMainDebug")->trigger();
    s.select(5);
    control<QAction>(s.window, "NMainWork")->trigger();
    QCOMPARE(s.currentRow(), 6);
    control<QAction>(s.window, "NMainDebug")->trigger();
    s.select(1);
    control<QAction>(s.window, "NMainWork")->trigger();
    QCOMPARE(s.currentRow(), 4);
    s.key(Qt::Key_F2);
    QCOMPARE(s.lines().at(4), QStringLiteral("    ШАГ"));
}

void TestStructuredInsertion::panelTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("statusTip");
    const QString ifHint = "Вставить в алгоритм управляющую структуру \"Ветвление\" с проверкой условия ";
    const QString whileHint = "Вставить в алгоритм управляющую структуру \"Цикл\" с проверкой условия ";
    QTest::newRow("ButtonIf") << "ButtonIf"
                              << "ЕСЛИ впереди стена  " << ifHint + "\"впереди стена\""
                              << ifHint + "\"впереди стена\"";
    QTest::newRow("ButtonIfNot") << "ButtonIfNot"
                                 << "ЕСЛИ впереди не стена " << ifHint + "\"впереди НЕ стена\""
                                 << ifHint + "\"впереди НЕ стена\"";
    QTest::newRow("ButtonWhile") << "ButtonWhile"
                                 << "ПОКА впереди стена" << whileHint + "\"впереди стена\""
                                 << whileHint + "\"впереди стена\"";
    QTest::newRow("ButtonWhileNot") << "ButtonWhileNot"
                                    << "ПОКА впереди не стена" << whileHint + "\"впереди НЕ стена\""
                                    << whileHint + "\"впереди НЕ стена\"";
    const QString esc = "<Esc> - закрыть данную панель без выбора имени процедуры";
    QTest::newRow("PanelProc") << "PanelProc" << QString() << esc << esc;
    QTest::newRow("ListBoxProc")
        << "ListBoxProc" << QString()
        << "Если имени процедуры нет в списке, введите его  в нижнем поле ввода "
        << " Имя процедуры вводится только один раз, а затем всегда выбирается из списка";
    QTest::newRow("EditNewProc")
        << "EditNewProc" << QString()
        << "Если имени процедуры нет в верхнем списке, введите его и нажмите <Enter>  "
        << " Имя процедуры вводится только один раз, а затем всегда выбирается из списка";
    QTest::newRow("PanelComment") << "PanelComment" << QString() << "Введите любой текст."
                                  << "Введите любой текст.";
    QTest::newRow("EditComment") << "EditComment" << QString() << "Введите любой текст в эту строчку."
                                 << "Введите любой текст в эту строчку.";
    QTest::newRow("comment label") << "LabelComment"
                                   << "Введите текст комментария:" << QString() << QString();
    QTest::newRow("list label") << "LabelProcList"
                                << "Выбрать из списка" << QString() << QString();
    QTest::newRow("name label 1") << "LabelProcNew1"
                                  << "Ввести имя " << QString() << QString();
    QTest::newRow("name label 2") << "LabelProcNew2"
                                  << "новой процедуры" << QString() << QString();
}

void TestStructuredInsertion::panelTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QString, statusTip);
    EditorSession s;
    auto *widget = s.window.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    QCOMPARE(widget->toolTip(), tooltip);
    QCOMPARE(widget->statusTip(), statusTip);
    // Every panel is hidden until it is called.
    QVERIFY(!widget->isVisible());
}

QTEST_MAIN(TestStructuredInsertion)
#include "tst_structuredinsertion.moc"
