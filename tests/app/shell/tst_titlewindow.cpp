#include "app/shell/registrationwindow.h"
#include "app/shell/titlewindow.h"

#include "app/guihelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

class TestTitleWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void startUp();
    void cancelledRegistration();
    void registeredAndWorked();
    void titlePicture();
};

void TestTitleWindow::startUp()
{
    TitleWindow window(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("\"Шагайка 1.1\"  Олимпиадная задача"));
    QCOMPARE(control<QPushButton>(window, "StartBitB")->text(), QStringLiteral(" Старт"));
    QCOMPARE(control<QPushButton>(window, "StartBitB")->size(), QSize(120, 45));
    QVERIFY(control<QPushButton>(window, "StartBitB")->isVisible());
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window, "StartBitB"));
    QVERIFY(!control<QLabel>(window, "StatusPanel3")->text().isEmpty());
    QVERIFY(control<QLabel>(window, "StatusPanel1")->text().isEmpty());
    QVERIFY(control<QLabel>(window, "StatusPanel2")->text().isEmpty());
    QCOMPARE(control<QWidget>(window, "Image1")->geometry(), QRect(74, 6, 799, 372));
}

void TestTitleWindow::cancelledRegistration()
{
    int opened = 0;
    TitleWindow window([&](const QString &) { ++opened; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    for (int round = 0; round < 2; ++round) {
        QPointer<RegistrationWindow> seen;
        bool buttonHiddenMeanwhile = false;
        bool fieldsEmpty = false;
        onNextModal([&](QWidget *modal) {
            seen = qobject_cast<RegistrationWindow *>(modal);
            QVERIFY(seen);
            buttonHiddenMeanwhile = control<QPushButton>(window, "StartBitB")->isHidden();
            fieldsEmpty = control<QLineEdit>(*seen, "EditNam1")->text().isEmpty()
                && control<QLineEdit>(*seen, "EditNam3")->text().isEmpty();
            typeText(control<QLineEdit>(*seen, "EditNam1"), QStringLiteral("петров"));
            seen->close();
        });
        QTest::mouseClick(control<QPushButton>(window, "StartBitB"), Qt::LeftButton);
        QVERIFY(buttonHiddenMeanwhile);
        QVERIFY2(fieldsEmpty, "every registration window starts empty");
        QVERIFY2(seen.isNull(), "the registration window is destroyed when it closes");
        QCOMPARE(window.windowTitle(), QStringLiteral("Приглашение"));
        QVERIFY(control<QPushButton>(window, "StartBitB")->isVisible());
        QCOMPARE(window.focusWidget(), control<QPushButton>(window, "StartBitB"));
        QVERIFY(control<QLabel>(window, "StatusPanel3")->text().isEmpty());
    }
    QCOMPARE(opened, 0);
}

void TestTitleWindow::registeredAndWorked()
{
    QStringList captions;
    TitleWindow window([&](const QString &caption) { captions << caption; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    onNextModal([](QWidget *modal) {
        auto *registration = qobject_cast<RegistrationWindow *>(modal);
        QVERIFY(registration);
        typeText(control<QLineEdit>(*registration, "EditNam1"), QStringLiteral("иванова"));
        typeText(control<QLineEdit>(*registration, "EditNam2"), QStringLiteral("мария"));
        QTest::mouseClick(control<QPushButton>(*registration, "ReadyBitB"), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(window, "StartBitB"), Qt::LeftButton);
    QCOMPARE(
        captions,
        QStringList{QStringLiteral("\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) : Иванова Мария ")});
    QVERIFY(control<QPushButton>(window, "StartBitB")->isHidden());
    QCOMPARE(window.windowTitle(), QStringLiteral("\"Шагайка 1.1\"  Олимпиадная задача"));
    QVERIFY(window.findChild<RegistrationWindow *>() == nullptr);

    // Closing is all that is left: neither Enter nor Space opens a new registration.
    bool registrationOpened = false;
    QTimer closer(&window);
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            registrationOpened = true;
            modal->close();
        }
    });
    closer.start(5);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(&window, key);
        if (QWidget *focused = window.focusWidget())
            QTest::keyClick(focused, key);
    }
    QTest::qWait(50);
    QVERIFY(!registrationOpened);
    QCOMPARE(captions.size(), 1);
}

void TestTitleWindow::titlePicture()
{
    TitleWindow window(nullptr);
    const QImage picture = control<QWidget>(window, "Image1")->grab().toImage();
    QCOMPARE(picture.size(), QSize(799, 372));
    // The red executor and the grey trace are both in the picture.
    bool red = false;
    bool grey = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            red = red || (c.red() > 200 && c.green() < 60 && c.blue() < 60);
            grey = grey || (c.red() == 128 && c.green() == 128 && c.blue() == 128);
        }
    }
    QVERIFY(red);
    QVERIFY(grey);
}

QTEST_MAIN(TestTitleWindow)
#include "tst_titlewindow.moc"
