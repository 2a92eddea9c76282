#include "app/common/focusreturn.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class TestFocusReturn : public QObject
{
    Q_OBJECT

private slots:
    void release_data();
    void release();
};

void TestFocusReturn::release_data()
{
    QTest::addColumn<bool>("hadKeys");       // a control had the keys when the panel opened
    QTest::addColumn<QString>("change");     // what happened to it while the panel was open
    QTest::addColumn<bool>("keysLeftPanel"); // another control took the keys before the close
    QTest::addColumn<bool>("givenBack");
    QTest::newRow("back to the control") << true << QString() << false << true;
    QTest::newRow("control since disabled") << true << "disabled" << false << false;
    QTest::newRow("control since hidden") << true << "hidden" << false << false;
    QTest::newRow("control since deleted") << true << "deleted" << false << false;
    QTest::newRow("nothing had the keys") << false << QString() << false << false;
    QTest::newRow("keys already outside the panel") << true << QString() << true << false;
}

void TestFocusReturn::release()
{
    QFETCH(bool, hadKeys);
    QFETCH(QString, change);
    QFETCH(bool, keysLeftPanel);
    QFETCH(bool, givenBack);
    QWidget window;
    auto *control = new QLineEdit(&window);
    auto *other = new QLineEdit(&window);
    auto *panel = new QWidget(&window);
    auto *inPanel = new QLineEdit(panel);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (hadKeys)
        control->setFocus();
    else if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();

    FocusReturn focusReturn;
    focusReturn.remember(*panel);
    inPanel->setFocus();
    // Noted while the keys are inside: the panel's own controls are never noted.
    focusReturn.remember(*panel);
    if (change == QLatin1String("disabled"))
        control->setEnabled(false);
    else if (change == QLatin1String("hidden"))
        control->hide();
    else if (change == QLatin1String("deleted"))
        delete control;
    if (keysLeftPanel)
        other->setFocus();

    // A move on that finds no control outside: the keys must not stay in the panel.
    int movedOn = 0;
    focusReturn.release(*panel, [&] { ++movedOn; });
    if (givenBack)
        QCOMPARE(QApplication::focusWidget(), control);
    else
        QCOMPARE(QApplication::focusWidget(), keysLeftPanel ? other : nullptr);
    QCOMPARE(movedOn, givenBack || keysLeftPanel ? 0 : 1);
}

QTEST_MAIN(TestFocusReturn)
#include "tst_focusreturn.moc"
