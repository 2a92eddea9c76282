#include "app/common/pictures.h"
#include "app/editing/panels/commandpanel.h"
#include "app/field/fieldpanel.h"
#include "app/field/fieldview.h"
#include "app/field/rulerpanel.h"
#include "app/run/runtoolbar.h"
#include "app/work/menubaritemstyle.h"
#include "app/work/taskstatementpanel.h"
#include "app/work/workmenubar.h"
#include "app/work/worktools.h"
#include "app/work/workwindow.h"
#include "editor/algorithmline.h"
#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include "app/guihelpers.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(PanelCommand)
Q_DECLARE_METATYPE(RunSpeed)

class TestWorkWindow : public QObject
{
    Q_OBJECT

private slots:
    void layoutAtTen();
    void statisticsRowsFit_data();
    void statisticsRowsFit();
    void statementRows_data();
    void statementRows();
    void noFocusFrames_data();
    void noFocusFrames();
    void minimumSizeShowsField_data();
    void minimumSizeShowsField();
    void stageTable_data();
    void stageTable();
    void resetWork();
    void menuCaptions_data();
    void menuCaptions();
    void menuPictures();
    void menuItemColours_data();
    void menuItemColours();
    void menuItemFont();
    void functionKeys_data();
    void functionKeys();
    void commandButtons();
    void escapeClosesPanels();
    void escapeWithNoPanel();
    void algorithmListTakesKeys_data();
    void algorithmListTakesKeys();
    void algorithmListShowsItHasTheKeys_data();
    void algorithmListShowsItHasTheKeys();
    void clickOnFreeAreaHidesPoints();
    void sizeMenu_data();
    void sizeMenu();
    void runFrame_data();
    void runFrame();
    void closeDuringRun();
    void cancelledCloseDuringRunForgotten();
    void hints_data();
    void hints();
    void menuHoverShowsLongHint();
    void altHighlightsAnItemThatCanBeChosen_data();
    void altHighlightsAnItemThatCanBeChosen();
    void activeAgainAfterDialog();

private:
    static TaskData taskWithWalls();
};

namespace {

// Turns round and round for as long as it is let, where neither edge ahead nor behind is a wall.
QStringList endlessAlgorithm()
{
    return {"НАЧ", "ПОКА впереди НЕ стена", "НЦ", "ПОВОРОТ", "ПОВОРОТ", "КЦ", "КОН"};
}

// The enabled state of every control of the stage table, stage by stage
// (NotStarted, Begin, Development, Debugging).
// One row a line, each easy to find.
// clang-format off
const QList<std::pair<QString, QString>> stageColumns{
    {"NMainBegin", "1000"},
    {"NMainWork", "0101"},
    {"NMainDebug", "0010"},
    {"NMainPattern", "0111"},
    {"NMainPoints", "0111"},
    {"NMainSize", "0111"},
    {"FixToolButtonDo", "0001"},
    {"FixToolButtonQuick", "0001"},
    {"FixToolButtonResult", "0001"},
    {"FixToolButtonStop", "0001"},
    {"FixToolButtonPause", "0001"},
    {"FixToolButtonStep", "0001"},
    {"LabelPP1", "0010"},
    {"LabelPP2", "0010"},
    {"LabelPP3", "0010"},
    {"LabelPP4", "0010"},
    {"LabelPP5", "0010"},
    {"PPButtonStep", "0010"},
    {"PPButtonJump", "0010"},
    {"PPButtonTurn", "0010"},
    {"PPButtonProc", "0010"},
    {"PPButtonDoProc", "0010"},
    {"PPButtonIf", "0010"},
    {"PPButtonWhile", "0010"},
    {"lstCom", "0010"},
    {"lstComBreakpoints", "0011"},
};
// clang-format on

bool isEnabled(WorkWindow &window, const QString &name)
{
    if (auto *action = window.findChild<QAction *>(name))
        return action->isEnabled();
    auto *widget = window.findChild<QWidget *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget->isEnabled();
}

void trigger(QAction *action)
{
    QVERIFY(action->isEnabled());
    action->trigger();
}

QImage composeOver(const QPixmap &picture, const QColor &background)
{
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.drawPixmap(0, 0, picture);
    return image;
}

// The numbers of a ruler that can be seen, in order.
QStringList visibleNumbers(const RulerPanel &ruler)
{
    QStringList numbers;
    for (const QLabel *label : ruler.findChildren<QLabel *>()) {
        if (!label->geometry().intersected(ruler.rect()).isEmpty())
            numbers << label->text();
    }
    return numbers;
}

} // namespace

TaskData TestWorkWindow::taskWithWalls()
{
    TaskData task;
    task.hasPointB = true;
    task.describedSizes = {true, true, true, true};
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
        TaskSizeData &data = task.size(size);
        data.start = {qint16(size - 12), 2, 90};
        data.pointB = {qint16(size - 2), qint16(size - 3)};
        data.walls.horizontal = {{3, 3}, {4, 3}};
        data.walls.vertical = {{6, 1}};
        if (size == 12) {
            data.walls.variable = {VariableWall{{"H", 1, 5}, {"V", 2, 6}},
                                   VariableWall{{"V", 8, 8}, {"H", 9, 9}}};
        }
    }
    return task;
}

void TestWorkWindow::statisticsRowsFit_data()
{
    QTest::addColumn<QStringList>("rows");

    QStringList large;
    for (int i = 0; i < 150; ++i)
        large << QStringLiteral("ШАГ") << QStringLiteral("ДЕЛАЙ п") << QStringLiteral("ЕСЛИ впереди стена ТО")
              << QStringLiteral("ПОКА впереди стена") << QStringLiteral("ПРОЦЕДУРА п");
    QTest::newRow("new algorithm") << resetStatistics();
    QTest::newRow("counts of three digits") << updateStatistics(large);
}

void TestWorkWindow::statisticsRowsFit()
{
    QFETCH(QStringList, rows);

    WorkWindow window(10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    trigger(control<QAction>(window, "NMainBegin"));
    trigger(control<QAction>(window, "NMainWork"));
    QListWidget *list = control<QListWidget>(window, "ListStatist");
    QVERIFY(list->isVisible());
    list->clear();
    list->addItems(rows);
    QCOMPARE(list->count(), 9);
    QApplication::processEvents();
    list->doItemsLayout();

    // All nine rows whole inside the list, with no scroll bar, and no text cut short.
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY(!list->verticalScrollBar()->isVisible());
    const QRect viewport = list->viewport()->rect();
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->count(); ++row) {
        const QRect rect = list->visualItemRect(list->item(row));
        QVERIFY2(viewport.contains(rect), qPrintable(QString::number(row)));
        QVERIFY2(metrics.horizontalAdvance(rows[row]) + 6 <= rect.width(), qPrintable(rows[row]));
        QVERIFY(metrics.height() <= rect.height());
    }
}

void TestWorkWindow::layoutAtTen()
{
    WorkWindow window(10);
    QCOMPARE(window.layoutUnit(), 10);
    QCOMPARE(control(window, "pnlTskNew")->geometry(), QRect(10, 36, 777, 49));
    QCOMPARE(control<CommandPanel>(window, "PPPanelSystCom")->geometry(), QRect(10, 95, 121, 300));
    QCOMPARE(control<QListView>(window, "lstCom")->geometry(), QRect(141, 95, 290, 520));
    QCOMPARE(control(window, "pnl1")->geometry(), QRect(441, 95, 520, 520));
    QCOMPARE(control(window, "pnlMain")->geometry(), QRect(10, 10, 500, 500));
    QCOMPARE(control<FieldView>(window, "PaintImage")->geometry(), QRect(0, 0, 500, 500));
    QCOMPARE(control<QListWidget>(window, "ListStatist")->geometry(), QRect(10, 486, 121, 129));
    QCOMPARE(control<RunToolBar>(window, "ToolBarAlg")->pos(), QPoint(169, 1));
    QCOMPARE(control<QListWidget>(window, "lstTsk")->geometry(), QRect(72, 8, 609, 33));
    QCOMPARE(halfVisibleLines(control<QListView>(window, "lstCom")->height()), 16);
    QCOMPARE(control<QStatusBar>(window, "StatusBar1")->height(), 22);
    QCOMPARE(window.session().scene().picture().size(), QSize(500, 500));
    QCOMPARE(control<FieldView>(window, "PaintImage")->picture(), &window.session().scene().picture());
    const QList<QTimer *> timers = window.session().variableWallTimers();
    QCOMPARE(timers.at(0)->objectName(), QStringLiteral("Timer1"));
    QCOMPARE(timers.at(0)->interval(), 5000);
    QCOMPARE(timers.at(1)->interval(), 5050);
    QCOMPARE(timers.at(2)->interval(), 5100);
    for (QTimer *timer : timers)
        QVERIFY(!timer->isActive());
    QCOMPARE(window.session().delays(), (DelaySettings{100, 100, 500}));
    QCOMPARE(window.session().world().fieldSize, qint16(12));
}

void TestWorkWindow::statementRows_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two lines") << QStringList{"Разработайте алгоритм.", "Исходное положение: точка А."};
    QTest::newRow("five lines") << QStringList{"один", "два", "три", "четыре", "пять"};
    QTest::newRow("a long line") << QStringList{
        "Разработайте алгоритм для рисования буквы \"Т\" так, чтобы Шагайка прошёл по "
        "каждой клетке поля ровно один раз и вернулся в исходную точку А без прыжков",
        "второй", "третий"};
}

void TestWorkWindow::statementRows()
{
    QFETCH(QStringList, lines);
    TaskStatementPanel panel;
    panel.setStatement(lines);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QListWidget *list = control<QListWidget>(panel, "lstTsk");
    const int rowHeight = list->visualItemRect(list->item(0)).height();
    const int viewportHeight = list->viewport()->height();
    // The rows fill the list to the pixel, or nearly, and each holds one line of text.
    QVERIFY(rowHeight < 2 * list->fontMetrics().height());
    QCOMPARE(viewportHeight / rowHeight, 2);
    QVERIFY(viewportHeight % rowHeight < 2);
    for (int row = 0; row < list->count(); ++row) {
        QCOMPARE(list->visualItemRect(list->item(row)).height(), rowHeight);
        QCOMPARE(list->item(row)->text(), lines.at(row));
    }
    // Scrolled anywhere, the top row is whole.
    QScrollBar *bar = list->verticalScrollBar();
    for (int value = bar->minimum(); value <= bar->maximum(); ++value) {
        bar->setValue(value);
        const QModelIndex top = list->indexAt(QPoint(1, 1));
        QVERIFY(top.isValid());
        QCOMPARE(list->visualRect(top).top(), 0);
    }
    bar->setValue(bar->maximum());
    QCOMPARE(list->indexAt(QPoint(1, viewportHeight - 2)).row(), lines.size() - 1);
}

void TestWorkWindow::noFocusFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("statement") << "lstTsk";
    QTest::newRow("slow") << "FixToolButtonDo";
    QTest::newRow("middle") << "FixToolButtonQuick";
    QTest::newRow("fastest") << "FixToolButtonResult";
    QTest::newRow("stop") << "FixToolButtonStop";
}

void TestWorkWindow::noFocusFrames()
{
    QFETCH(QString, name);
    WorkWindow window(10);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    widget->setEnabled(true);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(!widget->hasFocus());
    // A control disabled while it has the focus, as on a size change or a run, passes the
    // focus on, never to this one.
    auto *list = control<QListView>(window, "lstCom");
    list->setEnabled(true);
    list->setFocus();
    list->setEnabled(false);
    QVERIFY(!widget->hasFocus());
    QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
}

void TestWorkWindow::minimumSizeShowsField_data()
{
    QTest::addColumn<int>("layoutUnit");
    QTest::newRow("1024 × 768") << 10;
    QTest::newRow("1280 × 1024") << 13;
}

void TestWorkWindow::minimumSizeShowsField()
{
    QFETCH(int, layoutUnit);
    WorkWindow window(layoutUnit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(200, 150);
    QTRY_VERIFY(window.width() > 200);
    auto *field = control(window, "pnl1");
    const QRect fieldInWindow(field->mapTo(&window, QPoint(0, 0)), field->size());
    QVERIFY(window.rect().contains(fieldInWindow));
    QVERIFY(fieldInWindow.bottom() < control<QStatusBar>(window, "StatusBar1")->y());
}

void TestWorkWindow::stageTable_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("stage");
    QTest::addColumn<bool>("statisticsVisible");
    QTest::addColumn<bool>("statisticsEnabled");
    QTest::newRow("after creation") << QStringList{} << 0 << false << true;
    QTest::newRow("Начать") << QStringList{"NMainBegin"} << 1 << false << true;
    QTest::newRow("Разработка") << QStringList{"NMainBegin", "NMainWork"} << 2 << true << true;
    QTest::newRow("Отладка") << QStringList{"NMainBegin", "NMainWork", "NMainDebug"} << 3 << true << false;
    QTest::newRow("Разработка again")
        << QStringList{"NMainBegin", "NMainWork", "NMainDebug", "NMainWork"} << 2 << true << true;
    QTest::newRow("Отладка again") << QStringList{"NMainBegin", "NMainWork", "NMainDebug", "NMainWork",
                                                  "NMainDebug"}
                                   << 3 << true << false;
}

void TestWorkWindow::stageTable()
{
    QFETCH(QStringList, steps);
    QFETCH(int, stage);
    QFETCH(bool, statisticsVisible);
    QFETCH(bool, statisticsEnabled);

    WorkWindow window(10);
    window.show();
    // As for a task with a pattern picture: a hidden item is never enabled.
    control<QAction>(window, "NMainPattern")->setVisible(true);
    for (const QString &step : steps)
        trigger(window.findChild<QAction *>(step));
    for (const auto &[name, column] : stageColumns) {
        const bool expected = column.at(stage) == u'1';
        QVERIFY2(
            isEnabled(window, name) == expected,
            qPrintable(QStringLiteral("%1 should be %2")
                           .arg(name, expected ? QStringLiteral("enabled") : QStringLiteral("disabled"))));
    }
    QCOMPARE(control<QListWidget>(window, "ListStatist")->isVisible(), statisticsVisible);
    if (statisticsVisible)
        QCOMPARE(control<QListWidget>(window, "ListStatist")->isEnabled(), statisticsEnabled);
}

void TestWorkWindow::resetWork()
{
    WorkWindow window(10);
    QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
    QCOMPARE(window.session().algorithm().currentRow(), 0);
    QCOMPARE(control<QListView>(window, "lstCom")->currentIndex().row(), 0);

    window.session().openTask(taskWithWalls());
    window.session().algorithm().setLines({"a", "b", "c"});
    window.session().algorithm().setCurrentRow(2);
    QCOMPARE(control<QListView>(window, "lstCom")->currentIndex().row(), 2);
    QSignalSpy load(&window, &WorkWindow::taskLoadRequested);
    trigger(control<QAction>(window, "NMainBegin"));
    QCOMPARE(load.count(), 1);
    QCOMPARE(window.session().algorithm().lines(), QStringList{QString()});
    QCOMPARE(window.session().algorithm().currentRow(), 0);
    QVERIFY(window.session().world().walls.walls.horizontal.isEmpty());
    QVERIFY(window.session().world().walls.walls.vertical.isEmpty());
    QVERIFY(window.session().world().walls.walls.variable.isEmpty());
    QCOMPARE(window.session().world().walls.selectors, (std::array<int, 3>{0, 0, 0}));
    QVERIFY(!control<QAction>(window, "NMainBegin")->isEnabled());
}

void TestWorkWindow::menuCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("Начать") << "NMainBegin"
                            << "Начать           " << QKeySequence(Qt::SHIFT | Qt::Key_F1);
    QTest::newRow("Разработка") << "NMainWork"
                                << "Разработка           " << QKeySequence(Qt::SHIFT | Qt::Key_F2);
    QTest::newRow("Отладка") << "NMainDebug"
                             << "Отладка              " << QKeySequence(Qt::SHIFT | Qt::Key_F3);
    QTest::newRow("Точки") << "NMainPoints"
                           << "Точки        " << QKeySequence(Qt::SHIFT | Qt::Key_F4);
    QTest::newRow("Размер поля") << "NMainSize"
                                 << "Размер поля        " << QKeySequence(Qt::SHIFT | Qt::Key_F5);
    QTest::newRow("Образец") << "NMainPattern"
                             << "Образец        " << QKeySequence();
    QTest::newRow("12") << "N1212"
                        << "12 х 1&2" << QKeySequence();
    QTest::newRow("13") << "N1313"
                        << "13 x 1&3" << QKeySequence();
    QTest::newRow("14") << "N1414"
                        << "14 x 1&4" << QKeySequence();
    QTest::newRow("15") << "N1515"
                        << "15 x 1&5" << QKeySequence();
}

void TestWorkWindow::menuCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    WorkWindow window(10);
    QAction *item = window.findChild<QAction *>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    const bool onBar = !name.startsWith(QLatin1String("N1"));
    QCOMPARE(control<QMenuBar>(window, "MainMenu")->actions().contains(item), onBar);
}

void TestWorkWindow::menuPictures()
{
    WorkWindow window(10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QColor menuColour =
        control<QMenuBar>(window, "MainMenu")->palette().color(QPalette::Active, QPalette::Window);
    auto pictureOnBar = [&](QAction *item) {
        const QRect cell = control<QMenuBar>(window, "MainMenu")->actionGeometry(item);
        return control<QMenuBar>(window, "MainMenu")
            ->grab()
            .toImage()
            .copy(cell.left(), cell.top() + 2, 16, 16)
            .convertToFormat(QImage::Format_RGB32);
    };
    const QList<QAction *> items{
        control<QAction>(window, "NMainBegin"), control<QAction>(window, "NMainWork"),
        control<QAction>(window, "NMainDebug"), control<QAction>(window, "NMainPoints"),
        control<QAction>(window, "NMainSize")};
    for (int k = 0; k < items.size(); ++k) {
        QVERIFY(Pictures::menuPicture(2 * k).toImage() != Pictures::menuPicture(2 * k + 1).toImage());
        const int expected = items.at(k)->isEnabled() ? 2 * k : 2 * k + 1;
        QCOMPARE(pictureOnBar(items.at(k)), composeOver(Pictures::menuPicture(expected), menuColour));
    }
    // "Начать" turns to its disabled picture once used.
    trigger(control<QAction>(window, "NMainBegin"));
    QCOMPARE(pictureOnBar(control<QAction>(window, "NMainBegin")),
             composeOver(Pictures::menuPicture(1), menuColour));
    QCOMPARE(pictureOnBar(control<QAction>(window, "NMainWork")),
             composeOver(Pictures::menuPicture(2), menuColour));
}

void TestWorkWindow::menuItemColours_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("resting") << true << false << QColor(1, 2, 3) << QColor(4, 5, 6);
    QTest::newRow("selected") << true << true << QColor(7, 8, 9) << QColor(Qt::white);
    QTest::newRow("disabled") << false << false << QColor(1, 2, 3) << QColor(10, 11, 12);
    QTest::newRow("disabled under the mouse") << false << true << QColor(1, 2, 3) << QColor(10, 11, 12);
}

void TestWorkWindow::menuItemColours()
{
    QFETCH(bool, enabled);
    QFETCH(bool, selected);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    QStyleOptionMenuItem item;
    item.rect = QRect(0, 0, 120, 24);
    item.palette.setColor(QPalette::Active, QPalette::Window, QColor(1, 2, 3));
    item.palette.setColor(QPalette::Active, QPalette::WindowText, QColor(4, 5, 6));
    item.palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    item.palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(10, 11, 12));
    item.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
    if (selected)
        item.state |= QStyle::State_Selected;
    item.text = QStringLiteral("ШШ");
    // Without smoothing every letter pixel has the text colour itself.
    item.font.setStyleStrategy(QFont::NoAntialias);
    QImage image(item.rect.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    MenuBarItemStyle().drawControl(QStyle::CE_MenuBarItem, &item, &painter);
    painter.end();

    // Beside the picture's place: the background, and the letters.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = MenuBarItemStyle::pictureSize; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    QCOMPARE(colours, (QSet<QRgb>{background.rgb(), text.rgb()}));
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), background.rgb());
}

void TestWorkWindow::menuItemFont()
{
    QStyleOptionMenuItem item;
    item.text = QStringLiteral("&Начать");
    item.font.setPointSize(20);
    QFont captionFont = item.font;
    captionFont.setPointSize(9);
    const QSize size = MenuBarItemStyle().sizeFromContents(QStyle::CT_MenuBarItem, &item, QSize());
    QCOMPARE(size.width(), QFontMetrics(captionFont).horizontalAdvance(QStringLiteral("Начать")) + 24);
}

void TestWorkWindow::functionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<PanelCommand>("command");
    QTest::addColumn<bool>("begun"); // "Начать" chosen; without it no task is there to edit
    QTest::newRow("F2") << int(Qt::Key_F2) << PanelCommand::Step << true;
    QTest::newRow("F3") << int(Qt::Key_F3) << PanelCommand::Jump << true;
    QTest::newRow("F4") << int(Qt::Key_F4) << PanelCommand::Turn << true;
    QTest::newRow("F5") << int(Qt::Key_F5) << PanelCommand::Proc << true;
    QTest::newRow("F6") << int(Qt::Key_F6) << PanelCommand::DoProc << true;
    QTest::newRow("F7") << int(Qt::Key_F7) << PanelCommand::If << true;
    QTest::newRow("F8") << int(Qt::Key_F8) << PanelCommand::While << true;
    QTest::newRow("F2 before Начать") << int(Qt::Key_F2) << PanelCommand::Step << false;
    QTest::newRow("F5 before Начать") << int(Qt::Key_F5) << PanelCommand::Proc << false;
    QTest::newRow("F8 before Начать") << int(Qt::Key_F8) << PanelCommand::While << false;
}

void TestWorkWindow::functionKeys()
{
    QFETCH(int, key);
    QFETCH(PanelCommand, command);
    QFETCH(bool, begun);
    WorkWindow window(10);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Stage "Начать": the buttons are disabled, the keys still act.
    if (begun)
        trigger(control<QAction>(window, "NMainBegin"));
    control<QListWidget>(window, "lstTsk")->setFocus();
    QSignalSpy spy(&window, &WorkWindow::panelCommandTriggered);
    QTest::keyClick(control<QListWidget>(window, "lstTsk"), Qt::Key(key));
    QCOMPARE(spy.count(), begun ? 1 : 0);
    if (!begun) {
        QVERIFY(control<QAction>(window, "NMainBegin")->isEnabled());
        return;
    }
    QCOMPARE(spy.at(0).at(0).value<PanelCommand>(), command);
    // Keys that are not function keys do nothing here.
    QTest::keyClick(control<QListWidget>(window, "lstTsk"), Qt::Key_F9);
    QTest::keyClick(control<QListWidget>(window, "lstTsk"), Qt::Key_A);
    QCOMPARE(spy.count(), 1);
}

void TestWorkWindow::commandButtons()
{
    WorkWindow window(10);
    window.show();
    trigger(control<QAction>(window, "NMainBegin"));
    trigger(control<QAction>(window, "NMainWork"));
    QSignalSpy spy(&window, &WorkWindow::panelCommandTriggered);
    // In the order of the commands they stand for.
    const char *const buttons[] = {"PPButtonStep",   "PPButtonJump", "PPButtonTurn", "PPButtonProc",
                                   "PPButtonDoProc", "PPButtonIf",   "PPButtonWhile"};
    for (int i = 0; i < int(std::size(buttons)); ++i) {
        QTest::mouseClick(control<QPushButton>(window, buttons[i]), Qt::LeftButton);
        QCOMPARE(spy.count(), i + 1);
        QCOMPARE(spy.at(i).at(0).value<PanelCommand>(), PanelCommand(i));
    }
    QCOMPARE(control<QPushButton>(window, "PPButtonStep")->text(), QStringLiteral("ШАГ            F2"));
    QCOMPARE(control<QPushButton>(window, "PPButtonJump")->text(), QStringLiteral("ПРЫЖОК   F3"));
    QCOMPARE(control<QPushButton>(window, "PPButtonTurn")->text(), QStringLiteral("ПОВОРОТ   F4"));
    QCOMPARE(control<QPushButton>(window, "PPButtonProc")->text(), QStringLiteral("ОПИСАНИЕ F5"));
    QCOMPARE(control<QPushButton>(window, "PPButtonDoProc")->text(), QStringLiteral("ВЫЗОВ        F6"));
    QCOMPARE(control<QPushButton>(window, "PPButtonIf")->text(), QStringLiteral("ВЕТВЛЕНИЕ  F7"));
    QCOMPARE(control<QPushButton>(window, "PPButtonWhile")->text(), QStringLiteral("ЦИКЛ            F8"));
    QCOMPARE(control<QLabel>(window, "LabelPP1")->text(), QStringLiteral("Система "));
    QCOMPARE(control<QLabel>(window, "LabelPP4")->text(), QStringLiteral("Управляющие "));
}

void TestWorkWindow::escapeClosesPanels()
{
    WorkWindow window(10);
    attachEditor(window);
    window.show();
    trigger(control<QAction>(window, "NMainBegin"));
    trigger(control<QAction>(window, "NMainWork"));
    control<QPushButton>(window, "PPButtonDoProc")->setEnabled(false);
    const QList<QWidget *> panels{control(window, "PanelProc"), control(window, "PanelIf"),
                                  control(window, "PanelWhile")};
    for (QWidget *panel : panels)
        panel->show();
    pressKey(window, Qt::Key_Escape);
    for (QWidget *panel : panels)
        QVERIFY2(panel->isHidden(), qPrintable(panel->objectName()));
    QVERIFY(control<QPushButton>(window, "PPButtonProc")->isEnabled());
    QVERIFY(control<QPushButton>(window, "PPButtonDoProc")->isEnabled());
}

void TestWorkWindow::escapeWithNoPanel()
{
    WorkWindow window(10);
    attachEditor(window);
    window.show();
    trigger(control<QAction>(window, "NMainBegin"));
    pressKey(window, Qt::Key_Escape);
    // The procedure buttons keep the state the stage gave them.
    QVERIFY(!control<QPushButton>(window, "PPButtonProc")->isEnabled());
    QVERIFY(!control<QPushButton>(window, "PPButtonDoProc")->isEnabled());
    QVERIFY(window.isVisible());
}

void TestWorkWindow::algorithmListTakesKeys_data()
{
    // The keys the pupil presses from "Начать" on; 'm' chooses "Разработка" with the mouse.
    QTest::addColumn<QString>("keys");
    QTest::newRow("Shift+F2") << "12";
    QTest::newRow("Shift+F2, then F2 and F4") << "12ab";
    QTest::newRow("menu item") << "1m";
    QTest::newRow("Shift+F2 after Отладка") << "1232";
    QTest::newRow("menu item after Отладка") << "123m";
}

void TestWorkWindow::algorithmListTakesKeys()
{
    QFETCH(QString, keys);
    WorkWindow window(10);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == &window ? focus : &window, key, modifiers);
    };
    for (const QChar step : keys) {
        switch (step.toLatin1()) {
        case '1': press(Qt::Key_F1, Qt::ShiftModifier); break;
        case '2': press(Qt::Key_F2, Qt::ShiftModifier); break;
        case '3': press(Qt::Key_F3, Qt::ShiftModifier); break;
        case 'a': press(Qt::Key_F2); break;
        case 'b': press(Qt::Key_F4); break;
        case 'm': trigger(control<QAction>(window, "NMainWork")); break;
        }
        if (step == u'1') {
            window.session().algorithm().setLines({"АЛГОРИТМ ПУТЬ_1", "    Дано: Исполнитель в т.А",
                                                   "    Надо: Исполнитель в т.Б", "НАЧ", "    ШАГ", "КОН"});
            window.session().algorithm().setCurrentRow(5);
        }
    }
    QCOMPARE(window.session().stage(), WorkStage::Development);
    auto *list = control<QListView>(window, "lstCom");
    QCOMPARE(QApplication::focusWidget(), list);
    QSignalSpy selected(list, SIGNAL(rowSelectedByPupil(int)));
    press(Qt::Key_Up);
    QCOMPARE(window.session().algorithm().currentRow(), 4);
    QCOMPARE(selected.count(), 1);
    QSignalSpy deleted(list, SIGNAL(deleteKeyPressed()));
    press(Qt::Key_Delete);
    QCOMPARE(deleted.count(), 1);
}

void TestWorkWindow::algorithmListShowsItHasTheKeys_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first line") << 0;
    QTest::newRow("КОН") << 4;
}

void TestWorkWindow::algorithmListShowsItHasTheKeys()
{
    QFETCH(int, row);
    WorkWindow window(10);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    trigger(control<QAction>(window, "NMainBegin"));
    window.session().algorithm().setLines(
        {"АЛГОРИТМ ПУТЬ_1", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б", "НАЧ", "КОН"});
    trigger(control<QAction>(window, "NMainWork"));
    window.session().algorithm().setCurrentRow(row);
    auto *list = control<QListView>(window, "lstCom");
    const QRect current = list->visualRect(window.session().algorithm().index(row, 0));
    const QRgb frameColour = list->palette().color(QPalette::HighlightedText).rgb();
    // How much of the line just inside the top and bottom edges of the current row is
    // drawn in the colour of the selected text, in parts of the row's width.
    const auto framed = [&] {
        const QImage shown = list->viewport()->grab().toImage();
        int drawn = 0;
        for (const int y : {current.top() + 1, current.bottom() - 1}) {
            for (int x = current.left(); x <= current.right(); ++x)
                drawn += shown.pixel(x, y) == frameColour ? 1 : 0;
        }
        return double(drawn) / (2 * current.width());
    };

    list->clearFocus();
    QVERIFY(!list->hasFocus());
    QCOMPARE(framed(), 0.0);
    // A dotted frame: about one pixel in three.
    list->setFocus();
    QVERIFY(list->hasFocus());
    QVERIFY2(framed() > 0.25, qPrintable(QString::number(framed())));
}

void TestWorkWindow::clickOnFreeAreaHidesPoints()
{
    WorkWindow window(10);
    attachWorkTools(window);
    window.show();
    QWidget *points = control(window, "PanelPoints");
    points->show();
    // A click on a panel is not a click on the window.
    QTest::mouseClick(control(window, "pnl1"), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(points->isVisible());
    QTest::mouseClick(window.centralWidget(), Qt::LeftButton, {}, QPoint(5, 620));
    QVERIFY(points->isHidden());
}

void TestWorkWindow::sizeMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("width");
    QTest::newRow("12") << "N1212" << 12 << 500;
    QTest::newRow("13") << "N1313" << 13 << 488;
    QTest::newRow("14") << "N1414" << 14 << 496;
    QTest::newRow("15") << "N1515" << 15 << 500;
}

void TestWorkWindow::sizeMenu()
{
    QFETCH(QString, item);
    QFETCH(int, size);
    QFETCH(int, width);
    WorkWindow window(10);
    window.show();
    window.session().openTask(taskWithWalls());
    QSignalSpy changed(&window.session(), &WorkSession::fieldSizeChanged);
    // The size comes with the item, whatever its caption says.
    QAction *action = window.findChild<QAction *>(item);
    action->setText(QStringLiteral("Размер"));
    action->trigger();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), size);
    QCOMPARE(int(window.session().world().fieldSize), size);
    QCOMPARE(control<FieldView>(window, "PaintImage")->size(), QSize(width, width));
    QCOMPARE(control(window, "pnlMain")->size(), QSize(width, width));
    QCOMPARE(control(window, "pnl1")->size(), QSize(520, 520));
    QCOMPARE(window.session().scene().picture().size(), QSize(width, width));
    QStringList numbers;
    for (int i = 0; i < size; ++i)
        numbers << QString::number(i);
    QCOMPARE(visibleNumbers(*control<RulerPanel>(window, "PanelX")), numbers);
    QCOMPARE(visibleNumbers(*control<RulerPanel>(window, "PanelY")), numbers);
    // The executor stands on the start of the new size.
    const StartPosition start = window.session().task().size(size).start;
    QCOMPARE(window.session().world().executor, (ExecutorState{start.column, start.row, start.heading}));
    QCOMPARE(window.session().world().pointB, window.session().task().size(size).pointB);
    QCOMPARE(window.session().world().walls.walls, window.session().task().size(size).walls);
    // A size without variable walls leaves no selector pointing at one.
    if (window.session().world().walls.variableWallCount() == 0)
        QCOMPARE(window.session().world().walls.selectors, (std::array<int, 3>{0, 0, 0}));
}

void TestWorkWindow::runFrame_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<DelaySettings>("delays");
    QTest::newRow("slow") << "FixToolButtonDo" << DelaySettings{100, 100, 500};
    QTest::newRow("middle") << "FixToolButtonQuick" << DelaySettings{30, 100, 10};
    QTest::newRow("fastest") << "FixToolButtonResult" << DelaySettings{0, 10, 0};
}

void TestWorkWindow::runFrame()
{
    QFETCH(QString, button);
    QFETCH(DelaySettings, delays);
    WorkWindow window(10);
    window.show();
    trigger(control<QAction>(window, "NMainBegin"));
    window.session().openTask(taskWithWalls());
    trigger(control<QAction>(window, "NMainWork"));
    trigger(control<QAction>(window, "NMainDebug"));
    window.session().algorithm().setLines(endlessAlgorithm());
    // A size the task does not offer stays off after the run.
    window.workMenu().setOfferedSizes(true, {true, true, false, true});

    QSignalSpy commands(&window, &WorkWindow::panelCommandTriggered);
    QSignalSpy ended(&window.session(), &WorkSession::runEnded);
    QTest::mouseClick(window.findChild<QToolButton *>(button), Qt::LeftButton);
    QVERIFY(window.session().isRunning());
    QCOMPARE(window.session().delays(), delays);
    for (const char *speed : {"FixToolButtonDo", "FixToolButtonQuick", "FixToolButtonResult"})
        QVERIFY2(!control<QToolButton>(window, speed)->isEnabled(), speed);
    QVERIFY(control<QToolButton>(window, "FixToolButtonStop")->isEnabled());
    QVERIFY(!control<QAction>(window, "NMainWork")->isEnabled());
    // What does nothing during a run shows it.
    for (const char *name : {"NMainPoints", "NMainSize", "N1212", "N1313", "N1414", "N1515"})
        QVERIFY2(!control<QAction>(window, name)->isEnabled(), name);
    QVERIFY(!control<QTimer>(window, "Timer1")->isActive());
    // The editor's keys wait for the end of the run.
    pressKey(window, Qt::Key_F2);
    QCOMPARE(commands.count(), 0);
    QTest::mouseClick(control<QToolButton>(window, "FixToolButtonStop"), Qt::LeftButton);
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.first().at(0).value<RunEnd>(), RunEnd::Stopped);
    for (const char *speed : {"FixToolButtonDo", "FixToolButtonQuick", "FixToolButtonResult"})
        QVERIFY2(control<QToolButton>(window, speed)->isEnabled(), speed);
    QVERIFY(control<QAction>(window, "NMainWork")->isEnabled());
    for (const char *name : {"NMainPoints", "NMainSize", "N1212", "N1313", "N1515"})
        QVERIFY2(control<QAction>(window, name)->isEnabled(), name);
    QVERIFY(!control<QAction>(window, "N1414")->isEnabled());
    // The settings stay after the run; the timers stay stopped until "Разработка".
    QCOMPARE(window.session().delays(), delays);
    QVERIFY(!control<QTimer>(window, "Timer1")->isActive());
    trigger(control<QAction>(window, "NMainWork"));
    QVERIFY(control<QTimer>(window, "Timer1")->isActive());
}

void TestWorkWindow::closeDuringRun()
{
    QPointer<WorkWindow> window = new WorkWindow(10);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    trigger(control<QAction>(*window, "NMainBegin"));
    window->session().openTask(taskWithWalls());
    trigger(control<QAction>(*window, "NMainWork"));
    trigger(control<QAction>(*window, "NMainDebug"));
    window->session().algorithm().setLines(endlessAlgorithm());
    control<QToolButton>(*window, "FixToolButtonResult")->click();
    QVERIFY(window->session().isRunning());
    window->close();
    // The run ends at its next test for a stop, and the window closes after it.
    QVERIFY(window->isVisible());
    QTRY_VERIFY(window.isNull());
}

void TestWorkWindow::cancelledCloseDuringRunForgotten()
{
    WorkWindow window(10);
    window.show();
    trigger(control<QAction>(window, "NMainBegin"));
    window.session().openTask(taskWithWalls());
    trigger(control<QAction>(window, "NMainWork"));
    trigger(control<QAction>(window, "NMainDebug"));
    // The pupil answers "Отмена" to the question that comes with the close after the run.
    struct CloseRefusal : QObject
    {
        WorkWindow *window = nullptr;
        int closes = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() != QEvent::Close || window->session().isRunning())
                return false;
            ++closes;
            event->ignore();
            return true;
        }
    } refusal;
    refusal.window = &window;
    window.installEventFilter(&refusal);
    window.session().algorithm().setLines(endlessAlgorithm());
    control<QToolButton>(window, "FixToolButtonResult")->click();
    window.close();
    window.close();
    QTRY_COMPARE(refusal.closes, 1);
    QVERIFY(window.isVisible());

    // The refused close is over: later runs end as any run.
    QSignalSpy ended(&window.session(), &WorkSession::runEnded);
    for (int run = 0; run < 2; ++run) {
        control<QToolButton>(window, "FixToolButtonResult")->click();
        window.session().stopRun();
        QVERIFY(ended.wait(5000));
    }
    QTest::qWait(20);
    QCOMPARE(refusal.closes, 1);
    QVERIFY(window.isVisible());
}

void TestWorkWindow::hints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("statusTip");
    QTest::newRow("Начать") << "NMainBegin" << QString()
                            << " На  этапе \"Начать\" откроется постановка задачи и, если необходимо, "
                               "образец рисунка для воспроизведения";
    QTest::newRow("Точки") << "NMainPoints" << QString()
                           << " Установить начальное положение (точка А) и,если необходимо, точку Б";
    QTest::newRow("Размер поля") << "NMainSize" << QString() << " Изменить размер поля ";
    QTest::newRow("Образец") << "NMainPattern" << QString() << " Образец можно перетащить на другое место";
    QTest::newRow("slow") << "FixToolButtonDo"
                          << "Выполнять медленно "
                          << " Исполнять алгоритм с малой скоростью";
    QTest::newRow("stop") << "FixToolButtonStop"
                          << "Прервать выполнение"
                          << "Прервать выполнение";
    QTest::newRow("pause") << "FixToolButtonPause"
                           << "Пауза (Ctrl+F9) "
                           << " Приостановить выполнение после текущей строки";
    QTest::newRow("one step") << "FixToolButtonStep"
                              << "Один шаг (F9) "
                              << " Выполнить одну строку алгоритма и остановиться";
    QTest::newRow("ШАГ") << "PPButtonStep"
                         << "ШАГ – перемещение \"Шагайки\" на один шаг вперёд с рисованием следа  "
                         << " ШАГ – перемещение \"Шагайки\" на один шаг вперёд с рисованием следа";
    QTest::newRow("field") << "pnl1"
                           << "Рабочее поле для Шагайки "
                           << " Рабочее поле для Шагайки ";
    QTest::newRow("statistics") << "ListStatist"
                                << "Статистика "
                                << " Подсчет числа команд и управляющих структур в вашем алгоритме";
    QTest::newRow("algorithm") << "lstCom"
                               << "Алгоритм редактируется добавлением и удалением команд и управляющих "
                                  "структур целиком "
                               << " Щелкните правой кнопкой на нужной строке алгоритма для вызова "
                                  "контекстного меню его редактирования";
}

void TestWorkWindow::hints()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);
    QFETCH(QString, statusTip);
    WorkWindow window(10);
    window.show();
    QString shownTip;
    if (auto *action = window.findChild<QAction *>(name)) {
        QCOMPARE(action->statusTip(), statusTip);
        action->showStatusText(control<QMenuBar>(window, "MainMenu"));
    } else {
        auto *widget = window.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->toolTip(), tooltip);
        QCOMPARE(widget->statusTip(), statusTip);
        QStatusTipEvent tip(widget->statusTip());
        QApplication::sendEvent(widget, &tip);
    }
    // The long part reaches the window's status bar.
    QCOMPARE(control<QStatusBar>(window, "StatusBar1")->currentMessage(), statusTip);
}

void TestWorkWindow::menuHoverShowsLongHint()
{
    WorkWindow window(10);
    window.show();
    // The bar reports the item under the pointer; the window shows its long hint.
    emit control<QMenuBar>(window, "MainMenu")->hovered(control<QAction>(window, "NMainBegin"));
    QCOMPARE(control<QStatusBar>(window, "StatusBar1")->currentMessage(),
             QStringLiteral(" На  этапе \"Начать\" откроется постановка задачи и, если необходимо, "
                            "образец рисунка для воспроизведения"));
}

void TestWorkWindow::altHighlightsAnItemThatCanBeChosen_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("highlighted");
    QTest::newRow("after creation") << QStringList{} << "NMainBegin";
    QTest::newRow("Начать") << QStringList{"NMainBegin"} << "NMainWork";
    QTest::newRow("Разработка") << QStringList{"NMainBegin", "NMainWork"} << "NMainDebug";
    QTest::newRow("Отладка") << QStringList{"NMainBegin", "NMainWork", "NMainDebug"} << "NMainWork";
}

void TestWorkWindow::altHighlightsAnItemThatCanBeChosen()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, highlighted);
    WorkWindow window(10);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const QString &step : steps)
        trigger(window.findChild<QAction *>(step));
    // Alt alone gives the keys to the menu bar; the pupil must see where they went.
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt);
    auto *bar = control<QMenuBar>(window, "MainMenu");
    QVERIFY(bar->hasFocus());
    QVERIFY(bar->activeAction());
    QCOMPARE(bar->activeAction()->objectName(), highlighted);
    // Enter chooses it.
    QSignalSpy chosen(bar->activeAction(), &QAction::triggered);
    QTest::keyClick(bar, Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
}

void TestWorkWindow::activeAgainAfterDialog()
{
    WorkWindow window(10);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QMessageBox box(QMessageBox::Information, QStringLiteral("SHAGAIKA_ZERID"), QStringLiteral("текст"),
                    QMessageBox::Ok, &window);
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // As on a desktop without a window manager: the keyboard goes nowhere when the box closes.
    QApplication::setActiveWindow(nullptr);
    box.hide();
    QTRY_COMPARE(QApplication::activeWindow(), &window);

    // A window of another owner closing gives the work window nothing.
    QDialog other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(nullptr);
    other.hide();
    QTest::qWait(20);
    QVERIFY(QApplication::activeWindow() != &window);
}

QTEST_MAIN(TestWorkWindow)
#include "tst_workwindow.moc"
