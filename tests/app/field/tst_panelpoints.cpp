#include "app/editing/panels/updown.h"
#include "app/field/panelpoints.h"
#include "app/work/worktools.h"
#include "display/fieldscene.h"
#include "session/worksession.h"
#include "tasks/setup/tasksetup.h"

#include "app/guihelpers.h"
#include "app/taskhelpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class TestPanelPoints : public QObject
{
    Q_OBJECT

private slots:
    void initialValues();
    void openAndCloseApplies_data();
    void openAndCloseApplies();
    void headingFromTheList_data();
    void headingFromTheList();
    void badValueChangesNothing_data();
    void badValueChangesNothing();
    void clickOnThePanel();
    void freeAreaHidesWithoutApplying();
    void hiddenPanelTakesNoKeys_data();
    void hiddenPanelTakesNoKeys();
    void keysGoToThePanelAndBack_data();
    void keysGoToThePanelAndBack();
    void upDownSteps_data();
    void upDownSteps();
    void sizeChangeKeepsTypedNumber();
    void menuItemSetsTheLimit();
};

namespace {

// The highest number each of the panel's four edits steps to: one step up from a number
// above every field's size brings it down to the limit.
QList<int> upperLimits(QWidget &panel)
{
    QList<int> limits;
    for (const char *name : {"EditAX", "EditAY", "EditBX", "EditBY"}) {
        auto *edit = control<QLineEdit>(panel, name);
        const QString before = edit->text();
        edit->setText(QStringLiteral("99"));
        QTest::keyClick(edit, Qt::Key_Up);
        limits.append(edit->text().toInt());
        edit->setText(before);
    }
    return limits;
}

// Detour opened: point А at (0, 0) facing down, point Б at (0, 11).
struct OpenedDetour
{
    OpenedDetour()
        : current(exampleFolder(QStringLiteral("detour")))
        , window(10)
    {
        attachWorkTools(window);
        window.show();
        control<QAction>(window, "NMainBegin")->trigger();
        panel = control<PanelPoints>(window, "PanelPoints");
    }
    CurrentDirectory current;
    WorkWindow window;
    PanelPoints *panel = nullptr;
};

void setText(QLineEdit *edit, const QString &text)
{
    edit->clear();
    typeText(edit, text);
}

} // namespace

void TestPanelPoints::initialValues()
{
    OpenedDetour detour;
    PanelPoints *p = detour.panel;
    QVERIFY(!p->isVisible());
    QCOMPARE(p->geometry(), QRect(40, 72, 681, 41));
    QVERIFY(control<QCheckBox>(*p, "CheckBoxA")->isChecked());
    QCOMPARE(control<QCheckBox>(*p, "CheckBoxA")->text(), QStringLiteral("т.А"));
    QVERIFY(!control<QCheckBox>(*p, "CheckBoxB")->isChecked());
    QCOMPARE(control<QCheckBox>(*p, "CheckBoxB")->text(), QStringLiteral("т.Б"));
    for (QLineEdit *edit : {control<QLineEdit>(*p, "EditAX"), control<QLineEdit>(*p, "EditAY"),
                            control<QLineEdit>(*p, "EditBX"), control<QLineEdit>(*p, "EditBY")})
        QCOMPARE(edit->text(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>(*p, "ComboBoxTo")->currentText(), QStringLiteral("вправо"));
    QCOMPARE(control<QComboBox>(*p, "ComboBoxTo")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>(*p, "ComboBoxTo")->count(), 4);
    QCOMPARE(p->findChildren<UpDown *>().size(), 4);
    QCOMPARE(upperLimits(*p), QList<int>(4, 11));
    QStringList labels;
    for (QLabel *label : p->findChildren<QLabel *>())
        labels.append(label->text());
    QCOMPARE(labels, (QStringList{"X=", "Y=", "Направление=", "X=", "Y="}));
    QCOMPARE(p->toolTip(), QStringLiteral("Закройте панель точек щелчком на ней"));
}

void TestPanelPoints::openAndCloseApplies_data()
{
    QTest::addColumn<bool>("startSet");
    QTest::addColumn<QString>("startColumn");
    QTest::addColumn<bool>("pointBSet");
    QTest::addColumn<ExecutorState>("executor");
    QTest::addColumn<CellPosition>("pointB");

    // The initial values move the executor from the task's start to (0, 0) facing right.
    QTest::newRow("initial values") << true << "0" << false << ExecutorState{0, 0, 0} << CellPosition{-1, -1};
    QTest::newRow("start off: (0, 0) facing right")
        << false << "5" << false << ExecutorState{0, 0, 0} << CellPosition{-1, -1};
    QTest::newRow("start at column 5, point B on")
        << true << "5" << true << ExecutorState{5, 0, 0} << CellPosition{0, 0};
}

void TestPanelPoints::openAndCloseApplies()
{
    QFETCH(bool, startSet);
    QFETCH(QString, startColumn);
    QFETCH(bool, pointBSet);
    QFETCH(ExecutorState, executor);
    QFETCH(CellPosition, pointB);

    OpenedDetour detour;
    QCOMPARE(detour.window.session().world().executor, (ExecutorState{0, 0, 270}));
    control<QAction>(detour.window, "NMainPoints")->trigger();
    QVERIFY(detour.panel->isVisible());
    control<QCheckBox>(*detour.panel, "CheckBoxA")->setChecked(startSet);
    setText(control<QLineEdit>(*detour.panel, "EditAX"), startColumn);
    control<QCheckBox>(*detour.panel, "CheckBoxB")->setChecked(pointBSet);
    control<QAction>(detour.window, "NMainPoints")->trigger();

    QVERIFY(!detour.panel->isVisible());
    QCOMPARE(detour.window.session().world().executor, executor);
    QCOMPARE(detour.window.session().world().start,
             (StartPosition{executor.column, executor.row, executor.heading}));
    QCOMPARE(detour.window.session().world().pointB, pointB);
    // The task's own values for the size are untouched.
    QCOMPARE(detour.window.session().task().size(12).start, (StartPosition{0, 0, 270}));

    // The picture is the field drawn afresh for these points (no Б mark when it is off).
    FieldScene expected(detour.window.session().scene().geometry());
    World world = detour.window.session().world();
    // The task start showed the variable wall, whose label set the letters' font.
    WallModel walls = world.walls;
    showVariableWalls(walls, &expected);
    expected.drawEmptyField();
    expected.drawTaskObjects(world);
    QCOMPARE(detour.window.session().scene().picture(), expected.picture());
}

void TestPanelPoints::headingFromTheList_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("heading");

    QTest::newRow("вверх") << 1 << "" << 90;
    QTest::newRow("влево") << 2 << "" << 180;
    QTest::newRow("вниз") << 3 << "" << 270;
    QTest::newRow("вправо") << 0 << "" << 0;
    QTest::newRow("typed over a chosen item") << 3 << "вниз" << 0;
}

void TestPanelPoints::headingFromTheList()
{
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(int, heading);

    OpenedDetour detour;
    control<QAction>(detour.window, "NMainPoints")->trigger();
    control<QComboBox>(*detour.panel, "ComboBoxTo")->setCurrentIndex(item);
    emit control<QComboBox>(*detour.panel, "ComboBoxTo")->activated(item);
    if (!typed.isEmpty())
        setText(control<QComboBox>(*detour.panel, "ComboBoxTo")->lineEdit(), typed);
    control<QAction>(detour.window, "NMainPoints")->trigger();
    QCOMPARE(int(detour.window.session().world().executor.heading), heading);
}

void TestPanelPoints::badValueChangesNothing_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("letters") << "EditAX"
                             << "ab"
                             << "В поле X= точки А должно быть целое число от 0 до 11, а введено \"ab\".";
    QTest::newRow("beyond the field")
        << "EditAY"
        << "12"
        << "В поле Y= точки А должно быть целое число от 0 до 11, а введено \"12\".";
    QTest::newRow("point B row") << "EditBY"
                                 << "-3"
                                 << "В поле Y= точки Б должно быть целое число от 0 до 11, а введено \"-3\".";
}

void TestPanelPoints::badValueChangesNothing()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);

    OpenedDetour detour;
    const World before = detour.window.session().world();
    const QImage picture = detour.window.session().scene().picture();
    control<QAction>(detour.window, "NMainPoints")->trigger();
    // Good values in the other edits must not be taken either.
    setText(control<QLineEdit>(*detour.panel, "EditAX"), QStringLiteral("3"));
    control<QCheckBox>(*detour.panel, "CheckBoxB")->setChecked(true);
    auto *bad = detour.panel->findChild<QLineEdit *>(edit);
    setText(bad, text);
    MessageCollector messages;
    control<QAction>(detour.window, "NMainPoints")->trigger();

    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, message);
    QCOMPARE(detour.window.session().world().executor, before.executor);
    QCOMPARE(detour.window.session().world().start, before.start);
    QCOMPARE(detour.window.session().world().pointB, before.pointB);
    QCOMPARE(detour.window.session().scene().picture(), picture);
    // The panel stays open at the faulty edit.
    QVERIFY(detour.panel->isVisible());
    QCOMPARE(bad->text(), text);
}

void TestPanelPoints::clickOnThePanel()
{
    OpenedDetour detour;
    control<QAction>(detour.window, "NMainPoints")->trigger();
    setText(control<QLineEdit>(*detour.panel, "EditAY"), QStringLiteral("4"));

    // A label is not the panel's surface.
    QLabel *label = detour.panel->findChild<QLabel *>();
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(detour.panel->isVisible());

    const QPoint freeSpot(detour.panel->width() - 4, detour.panel->height() / 2);
    QVERIFY(!detour.panel->childAt(freeSpot));
    QTest::mouseClick(detour.panel, Qt::LeftButton, Qt::NoModifier, freeSpot);
    QVERIFY(!detour.panel->isVisible());
    QCOMPARE(detour.window.session().world().executor, (ExecutorState{0, 4, 0}));
}

void TestPanelPoints::freeAreaHidesWithoutApplying()
{
    OpenedDetour detour;
    control<QAction>(detour.window, "NMainPoints")->trigger();
    setText(control<QLineEdit>(*detour.panel, "EditAX"), QStringLiteral("6"));
    clickFreeSpot(*detour.window.centralWidget());
    QVERIFY(!detour.panel->isVisible());
    QCOMPARE(detour.window.session().world().executor, (ExecutorState{0, 0, 270}));
    // Applied only when closed by its menu item the next time.
    control<QAction>(detour.window, "NMainPoints")->trigger();
    QCOMPARE(control<QLineEdit>(*detour.panel, "EditAX")->text(), QStringLiteral("6"));
    control<QAction>(detour.window, "NMainPoints")->trigger();
    QCOMPARE(detour.window.session().world().executor, (ExecutorState{6, 0, 0}));
}

void TestPanelPoints::hiddenPanelTakesNoKeys_data()
{
    QTest::addColumn<QString>("stage");
    QTest::addColumn<QString>("closedBy");

    // In "Отладка" the editing controls are off, so no other control is there to take the
    // focus from the panel.
    QTest::newRow("menu item") << "NMainDebug"
                               << "menu";
    QTest::newRow("click on the panel") << "NMainDebug"
                                        << "panel";
    QTest::newRow("click on the free area") << "NMainDebug"
                                            << "free area";
    QTest::newRow("menu item, editing") << "NMainWork"
                                        << "menu";
}

void TestPanelPoints::hiddenPanelTakesNoKeys()
{
    QFETCH(QString, stage);
    QFETCH(QString, closedBy);

    OpenedDetour detour;
    QApplication::setActiveWindow(&detour.window);
    QVERIFY(QTest::qWaitForWindowActive(&detour.window));
    control<QAction>(detour.window, "NMainWork")->trigger();
    control<QAction>(detour.window, qPrintable(stage))->trigger();
    control<QAction>(detour.window, "NMainPoints")->trigger();
    auto *row = control<QLineEdit>(*detour.panel, "EditAY");
    setText(row, QStringLiteral("4"));
    row->setFocus();
    QCOMPARE(QApplication::focusWidget(), row);

    if (closedBy == QLatin1String("menu"))
        control<QAction>(detour.window, "NMainPoints")->trigger();
    else if (closedBy == QLatin1String("panel"))
        detour.panel->panelPointsClick();
    else
        clickFreeSpot(*detour.window.centralWidget());
    QVERIFY(!detour.panel->isVisible());
    QVERIFY(!detour.panel->isAncestorOf(QApplication::focusWidget()));
    // Where another control can take the focus, it does.
    if (stage == QLatin1String("NMainWork"))
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());

    // Keys pressed after closing must not land in an edit nobody can see.
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &detour.window, '9');
    QCOMPARE(row->text(), QStringLiteral("4"));
}

void TestPanelPoints::keysGoToThePanelAndBack_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("Shift+F4") << "keys";
    QTest::newRow("click on the panel") << "panel";
    QTest::newRow("click on the free area") << "free area";
}

void TestPanelPoints::keysGoToThePanelAndBack()
{
    QFETCH(QString, closedBy);
    OpenedDetour detour;
    QApplication::setActiveWindow(&detour.window);
    QVERIFY(QTest::qWaitForWindowActive(&detour.window));
    control<QAction>(detour.window, "NMainWork")->trigger();
    auto *list = control<QWidget>(detour.window, "lstCom");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F4, Qt::ShiftModifier);
    QVERIFY(detour.panel->isVisible());
    // Opened from the keyboard, the panel is filled in from the keyboard: the number typed
    // first replaces the start column.
    auto *column = control<QLineEdit>(*detour.panel, "EditAX");
    QCOMPARE(QApplication::focusWidget(), column);
    typeText(column, QStringLiteral("3"));
    QCOMPARE(column->text(), QStringLiteral("3"));

    if (closedBy == QLatin1String("keys"))
        QTest::keyClick(column, Qt::Key_F4, Qt::ShiftModifier);
    else if (closedBy == QLatin1String("panel"))
        detour.panel->panelPointsClick();
    else
        clickFreeSpot(*detour.window.centralWidget());
    QVERIFY(detour.panel->isHidden());
    if (closedBy != QLatin1String("free area"))
        QCOMPARE(detour.window.session().world().executor.column, 3);
    // The keys are back in the algorithm.
    QCOMPARE(QApplication::focusWidget(), list);
}

void TestPanelPoints::upDownSteps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");

    QTest::newRow("up") << "3" << true << "4";
    QTest::newRow("down") << "3" << false << "2";
    QTest::newRow("no wrap below 0") << "0" << false << "0";
    QTest::newRow("no wrap above 11") << "11" << true << "11";
    QTest::newRow("beyond the limit comes inside") << "14" << true << "11";
    QTest::newRow("beyond the limit, down") << "14" << false << "10";
    QTest::newRow("no number counts as 0") << "x" << true << "1";
}

void TestPanelPoints::upDownSteps()
{
    QFETCH(QString, text);
    QFETCH(bool, up);
    QFETCH(QString, result);

    OpenedDetour detour;
    control<QAction>(detour.window, "NMainPoints")->trigger();
    setText(control<QLineEdit>(*detour.panel, "EditBX"), text);
    const UpDown *steps = control<UpDown>(*detour.panel, "UpDownBX");
    QTest::mouseClick(control<QToolButton>(*steps, up ? "up" : "down"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(*detour.panel, "EditBX")->text(), result);

    // The arrow keys in the edit step alike.
    setText(control<QLineEdit>(*detour.panel, "EditBX"), text);
    QTest::keyClick(control<QLineEdit>(*detour.panel, "EditBX"), up ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(control<QLineEdit>(*detour.panel, "EditBX")->text(), result);
}

void TestPanelPoints::sizeChangeKeepsTypedNumber()
{
    CurrentDirectory current(exampleFolder(QStringLiteral("maze")));
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    control<QAction>(window, "NMainBegin")->trigger();
    PanelPoints *panel = control<PanelPoints>(window, "PanelPoints");

    control<QAction>(window, "N1515")->trigger();
    QCOMPARE(upperLimits(*panel), QList<int>(4, 14));
    control<QAction>(window, "NMainPoints")->trigger();
    setText(control<QLineEdit>(*panel, "EditAX"), QStringLiteral("13"));
    QTest::mouseClick(control<QToolButton>(*control<UpDown>(*panel, "UpDownAX"), "up"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(*panel, "EditAX")->text(), QStringLiteral("14"));
    control<QAction>(window, "NMainPoints")->trigger();
    QCOMPARE(window.session().world().executor.column, qint16(14));

    control<QAction>(window, "N1212")->trigger();
    QCOMPARE(control<QLineEdit>(*panel, "EditAX")->text(), QStringLiteral("14"));
    QCOMPARE(upperLimits(*panel), QList<int>(4, 11));
    control<QAction>(window, "NMainPoints")->trigger();
    QTest::mouseClick(control<QToolButton>(*control<UpDown>(*panel, "UpDownAX"), "down"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(*panel, "EditAX")->text(), QStringLiteral("10"));
}

void TestPanelPoints::menuItemSetsTheLimit()
{
    OpenedDetour detour;
    detour.panel->setUpperLimit(3);
    control<QAction>(detour.window, "NMainPoints")->trigger();
    QCOMPARE(upperLimits(*detour.panel), QList<int>(4, 11));
}

QTEST_MAIN(TestPanelPoints)
#include "tst_panelpoints.moc"
