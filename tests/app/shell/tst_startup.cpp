#include "app/shell/desktopprogram.h"
#include "app/shell/registrationwindow.h"
#include "app/shell/titlewindow.h"
#include "app/work/workmenubar.h"
#include "app/work/workwindow.h"
#include "common/qttranslation.h"

#include "app/guihelpers.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

// The road from the title window through the registration to the work window and back,
// through the program's own wiring.
class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void startRegisterWorkClose_data();
    void startRegisterWorkClose();
    void qtDialogsInRussian_data();
    void qtDialogsInRussian();
    void workWindowBuiltWhenNeeded_data();
    void workWindowBuiltWhenNeeded();
};

void TestStartUp::startRegisterWorkClose_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("caption");
    const QString head = QStringLiteral("\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) : ");
    QTest::newRow("pupil") << " петрова"
                           << "анна "
                           << "" << head + "Петрова Анна ";
    QTest::newRow("team") << ""
                          << ""
                          << "Знатоки" << head + "  Знатоки";
}

void TestStartUp::startRegisterWorkClose()
{
    QFETCH(QString, surname);
    QFETCH(QString, firstName);
    QFETCH(QString, team);
    QFETCH(QString, caption);

    DesktopProgram program(10);
    QPointer<WorkWindow> work = program.work();
    QVERIFY(work);
    QVERIFY(!work->isVisible());
    // The structured editor comes with the work window.
    QVERIFY(work->findChild<QObject *>(QStringLiteral("editor")));
    TitleWindow &title = program.title();
    const QString titleCaption = title.windowTitle();
    title.show();
    QVERIFY(QTest::qWaitForWindowActive(&title));

    QString seenCaption;
    bool workModal = false;
    bool workInFirstStage = false;
    bool registrationHidden = false;
    QPointer<RegistrationWindow> registration;
    onNextModal([&](QWidget *modal) {
        registration = qobject_cast<RegistrationWindow *>(modal);
        QVERIFY(registration);
        typeText(control<QLineEdit>(*registration, "EditNam1"), surname);
        typeText(control<QLineEdit>(*registration, "EditNam2"), firstName);
        typeText(control<QLineEdit>(*registration, "EditNam3"), team);
        onNextModal(
            [&](QWidget *next) {
                QCOMPARE(next, static_cast<QWidget *>(work.data()));
                seenCaption = next->windowTitle();
                workModal = next->isModal() && next->isVisible();
                workInFirstStage = control<QAction>(*work, "NMainBegin")->isEnabled()
                    && !control<QAction>(*work, "NMainWork")->isEnabled();
                registrationHidden = registration && registration->isHidden();
                next->close();
            },
            registration);
        QTest::mouseClick(control<QPushButton>(*registration, "ReadyBitB"), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(title, "StartBitB"), Qt::LeftButton);

    QCOMPARE(seenCaption, caption);
    QVERIFY(workModal);
    QVERIFY(workInFirstStage);
    QVERIFY(registrationHidden);
    QVERIFY2(work.isNull(), "the work window is destroyed when it closes");
    QVERIFY(!program.work());
    QVERIFY2(registration.isNull(), "the registration window is destroyed after the work");
    QVERIFY(control<QPushButton>(title, "StartBitB")->isHidden());
    QCOMPARE(title.windowTitle(), titleCaption);
    QVERIFY(title.isVisible());
}

QTEST_MAIN(TestStartUp)
void TestStartUp::qtDialogsInRussian_data()
{
    QTest::addColumn<bool>("catalogueThere");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Qt's catalogue") << true << "&Имя файла:"
                                    << "Отмена";
    // The program still starts, with Qt's texts as they are.
    QTest::newRow("no catalogue") << false << "File &name:"
                                  << "Cancel";
}

void TestStartUp::qtDialogsInRussian()
{
    QFETCH(bool, catalogueThere);
    QFETCH(QString, fileName);
    QFETCH(QString, cancel);
    QTemporaryDir empty;
    std::unique_ptr<QTranslator> translator(installQtTranslation(catalogueThere ? QString() : empty.path()));
    QCOMPARE(translator != nullptr, catalogueThere);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QCOMPARE(dialog.labelText(QFileDialog::FileName), fileName);
    QCOMPARE(dialog.labelText(QFileDialog::Reject), cancel);
    DesktopProgram program(10);
    program.title().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.title()));
}

void TestStartUp::workWindowBuiltWhenNeeded_data()
{
    QTest::addColumn<bool>("askForWork");
    QTest::addColumn<bool>("workThere");

    QTest::newRow("title window only") << false << false;
    QTest::newRow("work window asked for") << true << true;
}

// The title window shows before the work window exists; the work window comes when asked for.
void TestStartUp::workWindowBuiltWhenNeeded()
{
    QFETCH(bool, askForWork);
    QFETCH(bool, workThere);

    DesktopProgram program(10);
    program.title().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.title()));
    if (askForWork)
        QVERIFY(program.work());
    int workWindows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        workWindows += qobject_cast<WorkWindow *>(widget) != nullptr;
    QCOMPARE(workWindows, workThere ? 1 : 0);
}

#include "tst_startup.moc"
