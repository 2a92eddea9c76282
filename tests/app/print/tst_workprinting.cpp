#include "app/field/fieldmenu.h"
#include "app/field/fieldview.h"
#include "app/print/workprinter.h"
#include "app/print/worksheet.h"
#include "app/work/worktools.h"
#include "display/fieldscene.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include "app/guihelpers.h"
#include "app/taskhelpers.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestWorkPrinting : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void pdfHoldsTheWork();
    void unwritablePdfIsTold_data();
    void unwritablePdfIsTold();
    void longAlgorithmStaysOnThePage_data();
    void longAlgorithmStaysOnThePage();
    void printKeyOpensPrintDialog();
    void noPrintDuringRun();
    void fieldMenuItems();
    void savePicture_data();
    void savePicture();
    void saveDialog();
};

namespace {

const QStringList detourAlgorithm{
    QStringLiteral("АЛГОРИТМ ОБХОД"),
    QStringLiteral("   Дано: Исполнитель в т.А"),
    QStringLiteral("   Надо: Исполнитель в т.Б"),
    QStringLiteral("НАЧ"),
    QStringLiteral("//вниз до заслонки"),
    QStringLiteral("   ПОКА впереди НЕ стена"),
    QStringLiteral("   НЦ"),
    QStringLiteral("      ШАГ"),
    QStringLiteral("   КЦ"),
    QStringLiteral("   ПРЫЖОК"),
    QStringLiteral("КОН"),
};

QString collapsed(const QString &text)
{
    return text.simplified();
}

// Runs a tool of the PDF utilities; its standard output, or nothing when it is missing.
std::optional<QByteArray> runTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

// The work window with the detour task opened and an algorithm in place.
struct OpenedWork
{
    OpenedWork()
        : current(exampleFolder(QStringLiteral("detour")))
        , window(10)
    {
        attachWorkTools(window);
        window.setWindowTitle(QStringLiteral("Иванов Петя"));
        window.show();
        control<QAction>(window, "NMainBegin")->trigger();
        window.session().algorithm().setLines(detourAlgorithm);
    }
    CurrentDirectory current;
    WorkWindow window;
};

} // namespace

void TestWorkPrinting::pdfHoldsTheWork()
{
    OpenedWork work;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("work.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    control<WorkPrinter>(work.window, "workPrinter")->print(printer);
    QVERIFY(QFileInfo(pdf).size() > 0);

    const std::optional<QByteArray> text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!text)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString shown = collapsed(QString::fromUtf8(*text));
    QVERIFY2(shown.contains(QStringLiteral("Иванов Петя")), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("Задача")));
    QVERIFY(shown.contains(QStringLiteral("Алгоритм")));
    QVERIFY(!work.window.session().task().statement.isEmpty());
    for (const QString &line : work.window.session().task().statement)
        QVERIFY2(shown.contains(collapsed(line)), qPrintable(line));
    for (const QString &line : detourAlgorithm)
        QVERIFY2(shown.contains(collapsed(line)), qPrintable(line));
    // The lines of the algorithm stay in their order.
    QVERIFY(shown.indexOf(QStringLiteral("НАЧ")) < shown.indexOf(QStringLiteral("ПРЫЖОК")));

    // The field goes in as a picture of its own size.
    const std::optional<QByteArray> images =
        runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images);
    const QSize field = work.window.session().scene().picture().size();
    const QRegularExpression row(
        QStringLiteral("^\\s*1\\s+\\d+\\s+image\\s+%1\\s+%2\\s").arg(field.width()).arg(field.height()),
        QRegularExpression::MultilineOption);
    QVERIFY2(row.match(QString::fromUtf8(*images)).hasMatch(), images->constData());
}

void TestWorkPrinting::unwritablePdfIsTold_data()
{
    QTest::addColumn<QString>("target"); // relative to a temporary folder
    QTest::addColumn<bool>("printed");

    QTest::newRow("a PDF file") << "работа.pdf" << true;
    QTest::newRow("a folder that is not there") << "нет/работа.pdf" << false;
}

void TestWorkPrinting::unwritablePdfIsTold()
{
    QFETCH(QString, target);
    QFETCH(bool, printed);

    OpenedWork work;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(target);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    MessageCollector collector;
    QCOMPARE(control<WorkPrinter>(work.window, "workPrinter")->print(printer), printed);

    QCOMPARE(QFileInfo::exists(pdf), printed);
    QCOMPARE(collector.messages.size(), printed ? 0 : 1);
    if (!printed)
        QCOMPARE(collector.messages[0].text,
                 QStringLiteral("Не удалось записать файл ") + QDir::toNativeSeparators(pdf));
}

void TestWorkPrinting::longAlgorithmStaysOnThePage_data()
{
    QTest::addColumn<int>("lines");

    QTest::newRow("short") << 5;
    QTest::newRow("a long olympiad algorithm") << 400;
}

void TestWorkPrinting::longAlgorithmStaysOnThePage()
{
    QFETCH(int, lines);

    WorkSheet sheet;
    sheet.statement = {QStringLiteral("Дойди до точки Б.")};
    for (int i = 0; i < lines; ++i)
        sheet.algorithm << QStringLiteral("ШАГ");
    sheet.field = QImage(200, 200, QImage::Format_RGB32);
    sheet.field.fill(Qt::blue);

    // A page with a white margin around it: nothing may be drawn there.
    QImage paper(600, 800, QImage::Format_RGB32);
    paper.fill(Qt::white);
    const QRect page(20, 20, 560, 760);
    {
        QPainter painter(&paper);
        paintWorkSheet(painter, page, sheet);
    }
    for (int y = 0; y < paper.height(); ++y) {
        for (int x = 0; x < paper.width(); ++x) {
            if (!page.contains(x, y))
                QCOMPARE(paper.pixel(x, y), qRgb(255, 255, 255));
        }
    }
    // The field on the right, whole and square.
    int blueLeft = paper.width(), blueRight = -1, blueTop = paper.height(), blueBottom = -1;
    for (int y = 0; y < paper.height(); ++y) {
        for (int x = 0; x < paper.width(); ++x) {
            if (paper.pixel(x, y) == qRgb(0, 0, 255)) {
                blueLeft = qMin(blueLeft, x);
                blueRight = qMax(blueRight, x);
                blueTop = qMin(blueTop, y);
                blueBottom = qMax(blueBottom, y);
            }
        }
    }
    QVERIFY(blueLeft > page.center().x() - page.width() / 4);
    QCOMPARE(blueRight - blueLeft, blueBottom - blueTop);
    // Ink in the algorithm's column as far down as the lines go.
    auto inkInRow = [&](int y) {
        for (int x = page.left(); x < blueLeft; ++x) {
            if (paper.pixel(x, y) != qRgb(255, 255, 255))
                return true;
        }
        return false;
    };
    int lastInk = -1;
    for (int y = page.top(); y <= page.bottom(); ++y) {
        if (inkInRow(y))
            lastInk = y;
    }
    QVERIFY(lastInk > 0);
    if (lines > 100)
        QVERIFY2(lastInk > page.bottom() - page.height() / 10, qPrintable(QString::number(lastInk)));
}

void TestWorkPrinting::printKeyOpensPrintDialog()
{
    OpenedWork work;
    QApplication::setActiveWindow(&work.window);
    QVERIFY(QTest::qWaitForWindowActive(&work.window));
    QCOMPARE(control<QAction>(work.window, "NPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QString seen;
    onNextModal([&seen](QWidget *modal) {
        if (qobject_cast<QPrintDialog *>(modal))
            seen = modal->windowTitle();
        modal->close();
    });
    QTest::keyClick(&work.window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(seen, QStringLiteral("Печать"));
}

void TestWorkPrinting::noPrintDuringRun()
{
    OpenedWork work;
    QObject watches;
    QString modalShown;
    onNextModal(
        [&modalShown](QWidget *modal) {
            modalShown = modal->windowTitle();
            modal->close();
        },
        nullptr, &watches);
    FileDialogAnswers dialogs;
    work.window.session().chooseSpeed(RunSpeed::Fastest);
    QVERIFY(work.window.session().isRunning());
    control<QAction>(work.window, "NPrint")->trigger();
    control<QAction>(*control<FieldMenu>(work.window, "FieldMenu"), "NSavePicture")->trigger();
    FieldView *field = control<FieldView>(work.window, "PaintImage");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), field->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(field, &event);
    QCOMPARE(modalShown, QString());
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(!control<FieldMenu>(work.window, "FieldMenu")->isVisible());
    work.window.session().stopRun();
    QTRY_VERIFY(!work.window.session().isRunning());
}

void TestWorkPrinting::fieldMenuItems()
{
    OpenedWork work;
    FieldView *field = control<FieldView>(work.window, "PaintImage");
    const QPoint at(30, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &event);
    FieldMenu *menu = control<FieldMenu>(work.window, "FieldMenu");
    QVERIFY(menu->isVisible());
    QStringList items;
    for (QAction *item : menu->actions())
        items << item->text();
    QCOMPARE(items,
             (QStringList{QStringLiteral("Сохранить рисунок поля…"),
                          QStringLiteral("Печать задачи, алгоритма и поля…"),
                          QStringLiteral("Высокая контрастность")}));
    QCOMPARE(menu->actions().at(1), control<QAction>(work.window, "NPrint"));
    menu->hide();
}

void TestWorkPrinting::savePicture_data()
{
    QTest::addColumn<QString>("answer"); // relative to a temporary folder; empty is a cancel
    QTest::addColumn<QString>("target"); // the file the picture goes to
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("reason"); // the message's second line

    QTest::newRow("a PNG file") << "поле.png"
                                << "поле.png" << true << 0 << "";
    // The dialog adds the extension; whatever the name ends with, the picture is a PNG.
    QTest::newRow("a name without an extension") << "поле"
                                                 << "поле.png" << true << 0 << "";
    QTest::newRow("another extension") << "поле.bmp"
                                       << "поле.bmp" << true << 0 << "";
    QTest::newRow("cancelled") << ""
                               << "" << false << 0 << "";
    QTest::newRow("a folder that is not there")
        << "нет/поле.png"
        << "нет/поле.png" << false << 1 << "нет такого файла или папки";
}

void TestWorkPrinting::savePicture()
{
    QFETCH(QString, answer);
    QFETCH(QString, target);
    QFETCH(bool, saved);
    QFETCH(int, messages);
    QFETCH(QString, reason);

    OpenedWork work;
    QTemporaryDir dir;
    const QString file = target.isEmpty() ? QString() : dir.filePath(target);
    FileDialogAnswers dialogs({answer.isEmpty() ? QString() : dir.filePath(answer)});
    // The picture as it stands, with the variable wall at its other place.
    tick(control<QTimer>(work.window, "Timer1"));
    MessageCollector collector;
    control<QAction>(*control<FieldMenu>(work.window, "FieldMenu"), "NSavePicture")->trigger();

    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Сохранить рисунок поля"));
    QCOMPARE(dialogs.asked[0].parent, &work.window);
    QCOMPARE(collector.messages.size(), messages);
    QCOMPARE(QFileInfo::exists(file), saved);
    if (saved) {
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(8).startsWith("\x89PNG"));
        const QImage picture(file, "png");
        QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                 work.window.session().scene().picture().convertToFormat(QImage::Format_RGB32));
    }
    if (messages > 0) {
        QVERIFY(collector.messages[0].text.startsWith(QStringLiteral("Не удалось записать файл ")));
        QCOMPARE(collector.messages[0].text.section(QLatin1Char('\n'), 1), reason);
    }
}

void TestWorkPrinting::saveDialog()
{
    OpenedWork work;
    FileDialogAnswers answers;
    control<QAction>(*control<FieldMenu>(work.window, "FieldMenu"), "NSavePicture")->trigger();
    QCOMPARE(answers.asked.size(), 1);
    const FileDialogAnswers::Asked &shown = answers.asked.first();
    QCOMPARE(shown.title, QStringLiteral("Сохранить рисунок поля"));
    QCOMPARE(shown.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(shown.defaultSuffix, QStringLiteral("png"));
    QCOMPARE(shown.nameFilters, QStringList{QStringLiteral("рисунок PNG (*.png)")});
    QVERIFY(shown.options.testFlag(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(shown.selectedFiles.size(), 1);
    QCOMPARE(QFileInfo(shown.selectedFiles.first()).fileName(), QStringLiteral("Поле.png"));
}

QTEST_MAIN(TestWorkPrinting)
#include "tst_workprinting.moc"
