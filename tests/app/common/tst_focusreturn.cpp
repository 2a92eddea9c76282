#include "app/common/focusreturn.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class TestFocusReturn : public QObject
{
    Q_OBJECT

private slots:
    void giveBack_data();
    void giveBack();
};

void TestFocusReturn::giveBack_data()
{
    QTest::addColumn<QString>("before"); // what had the keys when the panel opened
    QTest::addColumn<QString>("change"); // what happened to it while the panel was open
    QTest::addColumn<QString>("focusAtClose");
    QTest::addColumn<bool>("givenBack");
    QTest::newRow("back to the control") << "control" << "" << "panel" << true;
    QTest::newRow("control since disabled") << "control" << "disabled" << "panel" << false;
    QTest::newRow("control since hidden") << "control" << "hidden" << "panel" << false;
    QTest::newRow("control since deleted") << "control" << "deleted" << "panel" << false;
    QTest::newRow("nothing had the keys") << "" << "" << "panel" << false;
    QTest::newRow("keys already outside the panel") << "control" << "" << "other" << false;
}

void TestFocusReturn::giveBack()
{
    QFETCH(QString, before);
    QFETCH(QString, change);
    QFETCH(QString, focusAtClose);
    QFETCH(bool, givenBack);
    QWidget window;
    auto *control = new QLineEdit(&window);
    auto *other = new QLineEdit(&window);
    auto *panel = new QWidget(&window);
    auto *inPanel = new QLineEdit(panel);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (!before.isEmpty())
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
    if (focusAtClose == QLatin1String("other"))
        other->setFocus();

    QCOMPARE(focusReturn.giveBack(*panel), givenBack);
    if (givenBack)
        QCOMPARE(QApplication::focusWidget(), control);
    else
        QCOMPARE(QApplication::focusWidget(), focusAtClose == QLatin1String("other") ? other : inPanel);
}

QTEST_MAIN(TestFocusReturn)
#include "tst_focusreturn.moc"
