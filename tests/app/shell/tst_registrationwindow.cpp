#include "app/shell/registrationwindow.h"

#include "app/guihelpers.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestRegistrationWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void layout();
    void tabOrder();
    void names_data();
    void names();
    void rejectedCharacter_data();
    void rejectedCharacter();
    void editingKeys_data();
    void editingKeys();
    void pastingRefused_data();
    void pastingRefused();
    void teamAcceptsEverything();
    void allEmpty();
    void enterMovesOn();
    void focusColour();
    void closeBoxCancels();

private:
    struct Opened
    {
        QStringList captions;
    };
    static void showAndActivate(RegistrationWindow &window);
};

void TestRegistrationWindow::showAndActivate(RegistrationWindow &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestRegistrationWindow::layout()
{
    RegistrationWindow window(nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Введите фамилию и имя"));
    QCOMPARE(window.size(), QSize(399, 283));
    QCOMPARE(control<QLineEdit>(window, "EditNam1")->geometry(), QRect(152, 56, 200, 21));
    QCOMPARE(control<QLineEdit>(window, "EditNam2")->geometry(), QRect(150, 114, 200, 21));
    QCOMPARE(control<QLineEdit>(window, "EditNam3")->geometry(), QRect(152, 176, 201, 24));
    QCOMPARE(control<QPushButton>(window, "ReadyBitB")->geometry(), QRect(154, 238, 90, 28));
    QCOMPARE(control<QPushButton>(window, "ReadyBitB")->text(), QStringLiteral("Готово"));
    QCOMPARE(control<QLabel>(window, "NamLab1")->text(), QStringLiteral("Ваша фамилия:"));
    QCOMPARE(control<QLabel>(window, "NamLab2")->text(), QStringLiteral("Ваше имя:"));
    QCOMPARE(control<QLabel>(window, "Label1")->text(), QStringLiteral("или"));
    QCOMPARE(control<QLabel>(window, "Label2")->text(), QStringLiteral("Ваша команда:"));
}

void TestRegistrationWindow::tabOrder()
{
    RegistrationWindow window(nullptr);
    showAndActivate(window);
    const QList<QWidget *> order{
        control<QLineEdit>(window, "EditNam1"), control<QLineEdit>(window, "EditNam2"),
        control<QPushButton>(window, "ReadyBitB"), control<QLineEdit>(window, "EditNam3")};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), order.at(i));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), order.first());
}

void TestRegistrationWindow::names_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("caption");

    const QString head = QStringLiteral("\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) : ");
    QTest::newRow("small letters, blanks around")
        << "  иванов "
        << "петр"
        << "" << QStringList{"Иванов", "Петр", ""} << head + "Иванов Петр ";
    QTest::newRow("team only") << ""
                               << ""
                               << "  Умники и умницы  " << QStringList{"", "", "Умники и умницы"}
                               << head + "  Умники и умницы";
    QTest::newRow("25 letters cut to 20")
        << "абвгдежзийклмнопрстуфхцчш"
        << ""
        << "" << QStringList{"Абвгдежзийклмнопрсту", "", ""} << head + "Абвгдежзийклмнопрсту  ";
    QTest::newRow("first name starting with a comma")
        << "Сидоров"
        << ",петр"
        << "" << QStringList{"Сидоров", ",петр", ""} << head + "Сидоров ,петр ";
    QTest::newRow("team kept small, cut to 20")
        << ""
        << ""
        << "team-1 of school 57, Moscow" << QStringList{"", "", "team-1 of school 57,"}
        << head + "  team-1 of school 57,";
    QTest::newRow("blank only passes and is trimmed") << " "
                                                      << ""
                                                      << "" << QStringList{"", "", ""} << head + "  ";
}

void TestRegistrationWindow::names()
{
    QFETCH(QString, surname);
    QFETCH(QString, firstName);
    QFETCH(QString, team);
    QFETCH(QStringList, written);
    QFETCH(QString, caption);

    QStringList opened;
    bool hiddenWhileWorking = false;
    bool bufferReleasedWhileWorking = false;
    RegistrationWindow *self = nullptr;
    RegistrationWindow window([&](const QString &c) {
        opened << c;
        hiddenWhileWorking = self->isHidden();
        bufferReleasedWhileWorking = self->backingStore() == nullptr;
    });
    self = &window;
    showAndActivate(window);
    typeText(control<QLineEdit>(window, "EditNam1"), surname);
    typeText(control<QLineEdit>(window, "EditNam2"), firstName);
    typeText(control<QLineEdit>(window, "EditNam3"), team);
    QTest::mouseClick(control<QPushButton>(window, "ReadyBitB"), Qt::LeftButton);

    QCOMPARE(opened, QStringList{caption});
    QVERIFY(hiddenWhileWorking);
    QVERIFY(bufferReleasedWhileWorking);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(control<QLineEdit>(window, "EditNam1")->text(), written.at(0));
    QCOMPARE(control<QLineEdit>(window, "EditNam2")->text(), written.at(1));
    QCOMPARE(control<QLineEdit>(window, "EditNam3")->text(), written.at(2));
}

void TestRegistrationWindow::rejectedCharacter_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("afterwards");

    for (int field : {1, 2}) {
        const QStringList after = field == 1 ? QStringList{" ", "", ""} : QStringList{"", " ", ""};
        const QByteArray prefix = field == 1 ? "surname: " : "first name: ";
        QTest::newRow(prefix + "Latin letter") << field << "ивa" << after;
        QTest::newRow(prefix + "digit") << field << "7" << after;
        QTest::newRow(prefix + "ё") << field << "пё" << after;
        QTest::newRow(prefix + "hyphen") << field << "анна-" << after;
    }
}

void TestRegistrationWindow::rejectedCharacter()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, afterwards);

    RegistrationWindow window(nullptr);
    showAndActivate(window);
    typeText(control<QLineEdit>(window, "EditNam3"), QStringLiteral("команда"));
    QLineEdit *edit =
        field == 1 ? control<QLineEdit>(window, "EditNam1") : control<QLineEdit>(window, "EditNam2");
    if (field == 2)
        typeText(control<QLineEdit>(window, "EditNam1"), QStringLiteral("сидоров"));
    SeenMessage seen;
    closeNextMessage(&seen);
    typeText(edit, typed);

    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, QStringLiteral("В имени и фамилии допустимы\nтолько русские буквы!"));
    QCOMPARE(seen.title, QStringLiteral("Error"));
    QCOMPARE(control<QLineEdit>(window, "EditNam1")->text(), afterwards.at(0));
    QCOMPARE(control<QLineEdit>(window, "EditNam2")->text(), afterwards.at(1));
    QCOMPARE(control<QLineEdit>(window, "EditNam3")->text(), afterwards.at(2));
    QCOMPARE(window.focusWidget(), control<QLineEdit>(window, "EditNam1"));
    QVERIFY(window.isVisible());
}

namespace {

// A key as the X11 window system delivers it, with the control character some keys carry.
void pressKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

void TestRegistrationWindow::editingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("afterwards");

    // The cursor stands after "иванов" when each key is pressed.
    QTest::newRow("Delete after Home")
        << int(Qt::Key_Delete) << int(Qt::NoModifier) << QStringLiteral("\x7f") << QStringLiteral("ванов");
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << QStringLiteral("\b")
                               << QStringLiteral("ивано");
    QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << QString()
                          << QStringLiteral("иванов");
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << int(Qt::ShiftModifier) << QString()
                                << QStringLiteral("иванов");
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << QStringLiteral("\x01")
                            << QStringLiteral("иванов");
}

void TestRegistrationWindow::editingKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, afterwards);

    RegistrationWindow window(nullptr);
    showAndActivate(window);
    typeText(control<QLineEdit>(window, "EditNam1"), QStringLiteral("иванов"));
    if (key == Qt::Key_Delete)
        pressKey(control<QLineEdit>(window, "EditNam1"), Qt::Key_Home, Qt::NoModifier, QString());
    SeenMessage seen;
    closeNextMessage(&seen);
    pressKey(control<QLineEdit>(window, "EditNam1"), Qt::Key(key), Qt::KeyboardModifiers(modifiers), text);
    QTest::qWait(30);
    QCOMPARE(seen.count, 0);
    QCOMPARE(control<QLineEdit>(window, "EditNam1")->text(), afterwards);
}

void TestRegistrationWindow::pastingRefused_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");

    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << QStringLiteral("\x16");
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << QString();
}

void TestRegistrationWindow::pastingRefused()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);

    QApplication::clipboard()->setText(QStringLiteral("Latin123"));
    RegistrationWindow window(nullptr);
    showAndActivate(window);
    SeenMessage seen;
    closeNextMessage(&seen);
    pressKey(control<QLineEdit>(window, "EditNam1"), Qt::Key(key), Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, QStringLiteral("В имени и фамилии допустимы\nтолько русские буквы!"));
    QCOMPARE(control<QLineEdit>(window, "EditNam1")->text(), QStringLiteral(" "));
}

void TestRegistrationWindow::teamAcceptsEverything()
{
    RegistrationWindow window(nullptr);
    showAndActivate(window);
    typeText(control<QLineEdit>(window, "EditNam3"), QStringLiteral("Team-7 ёж"));
    QCOMPARE(control<QLineEdit>(window, "EditNam3")->text(), QStringLiteral("Team-7 ёж"));
}

void TestRegistrationWindow::allEmpty()
{
    int opened = 0;
    RegistrationWindow window([&](const QString &) { ++opened; });
    showAndActivate(window);
    SeenMessage seen;
    closeNextMessage(&seen);
    QTest::mouseClick(control<QPushButton>(window, "ReadyBitB"), Qt::LeftButton);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, QStringLiteral("Введите имя и фамилию или название команды"));
    QCOMPARE(opened, 0);
    QVERIFY(window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QTRY_COMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "EditNam1"));
}

void TestRegistrationWindow::enterMovesOn()
{
    RegistrationWindow window(nullptr);
    showAndActivate(window);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "EditNam1"));
    QTest::keyClick(control<QLineEdit>(window, "EditNam1"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "EditNam2"));
    QTest::keyClick(control<QLineEdit>(window, "EditNam2"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window, "ReadyBitB"));
    control<QLineEdit>(window, "EditNam3")->setFocus();
    QTest::keyClick(control<QLineEdit>(window, "EditNam3"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window, "ReadyBitB"));
    QCOMPARE(control<QLineEdit>(window, "EditNam1")->text(), QString());
    QVERIFY(window.isVisible());
}

void TestRegistrationWindow::focusColour()
{
    RegistrationWindow window(nullptr);
    showAndActivate(window);
    const QColor normal = control<QPushButton>(window, "ReadyBitB")->palette().color(QPalette::Base);
    const QList<QLineEdit *> edits{control<QLineEdit>(window, "EditNam1"),
                                   control<QLineEdit>(window, "EditNam2"),
                                   control<QLineEdit>(window, "EditNam3")};
    for (QLineEdit *focused : edits) {
        focused->setFocus();
        for (QLineEdit *edit : edits) {
            const QColor expected = edit == focused ? QColor(Qt::yellow) : normal;
            QCOMPARE(edit->palette().color(QPalette::Base), expected);
        }
    }
}

void TestRegistrationWindow::closeBoxCancels()
{
    int opened = 0;
    RegistrationWindow window([&](const QString &) { ++opened; });
    showAndActivate(window);
    typeText(control<QLineEdit>(window, "EditNam1"), QStringLiteral("иванов"));
    QTest::keyClick(control<QPushButton>(window, "ReadyBitB"), Qt::Key_Escape);
    QVERIFY2(window.isVisible(), "Esc does not cancel the registration");
    window.close();
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(opened, 0);
}

QTEST_MAIN(TestRegistrationWindow)
#include "tst_registrationwindow.moc"
