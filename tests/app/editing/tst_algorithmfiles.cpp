#include "app/editing/files/standardfiledialogs.h"
#include "common/textencoding.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmline.h"

#include "app/editorsession.h"
#include "filehelpers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

class TestAlgorithmFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelModalWatches(); }
    void saveWritesTheLines();
    void saveCancelled();
    void saveTellsTheEncoding_data();
    void saveTellsTheEncoding();
    void saveFails_data();
    void saveFails();
    void load();
    void loadFails_data();
    void loadFails();
    void loadShortFile();
    void saveDialog();
    void saveDialogAsksBeforeReplacing_data();
    void saveDialogAsksBeforeReplacing();
    void openDialog();
    void closeQuestion_data();
    void closeQuestion();
    void closeWithoutChanges();
    void builtSavedAndChecked();

private:
    QTemporaryDir m_dir;
};

namespace {

// Builds a loop with a command and a call of a new procedure, by keys only.
void buildByKeys(EditorSession &s)
{
    s.key(Qt::Key_F8);
    s.key(Qt::Key_Return);
    s.key(Qt::Key_F2);
    s.key(Qt::Key_F6);
    s.type(QStringLiteral("шаги"));
    s.key(Qt::Key_Return);
}

// Clicks the button with this text in the next message box.
void answerNextQuestion(const QString &button, QString *question)
{
    onNextModal([button, question](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        *question = box->text();
        for (QAbstractButton *candidate : box->buttons()) {
            if (candidate->text() == button) {
                candidate->click();
                return;
            }
        }
        box->reject();
    });
}

} // namespace

void TestAlgorithmFiles::saveWritesTheLines()
{
    EditorSession s;
    buildByKeys(s);
    QVERIFY(s.editor->isModified());
    const QStringList lines = s.lines();
    const int row = s.currentRow();
    const QStringList statistics = s.statistics();
    s.dialogs->saveName = m_dir.filePath(QStringLiteral("saved.txt"));
    s.menu(s.menuItem("N10"));
    QCOMPARE(s.dialogs->saveAsked, 1);
    const QByteArray bytes = readBytes(s.dialogs->saveName);
    QCOMPARE(bytes, encodeAlgorithmFile(lines).bytes);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), lines.size());
    QCOMPARE(decodeWindows1251(bytes).split(QStringLiteral("\r\n")).mid(0, lines.size()), lines);
    // Saving changes nothing in the window.
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.currentRow(), row);
    QCOMPARE(s.statistics(), statistics);
    QVERIFY(!s.editor->isModified());
    QCOMPARE(s.undoSteps(), 3);
}

void TestAlgorithmFiles::saveCancelled()
{
    EditorSession s;
    buildByKeys(s);
    s.dialogs->saveName.clear();
    s.menu(s.menuItem("N10"));
    QCOMPARE(s.dialogs->saveAsked, 1);
    QVERIFY(s.editor->isModified());
}

void TestAlgorithmFiles::saveTellsTheEncoding_data()
{
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("isUtf8");
    QTest::newRow("Windows-1251") << "    ; обход «слева» — №1" << false;
    QTest::newRow("loaded from UTF-8") << "    ; обход ✓ слева" << true;
}

void TestAlgorithmFiles::saveTellsTheEncoding()
{
    QFETCH(QString, comment);
    QFETCH(bool, isUtf8);
    const QStringList lines{"АЛГОРИТМ ПУТЬ_0",
                            "    Дано: Исполнитель в т.А",
                            "    Надо: Исполнитель в т.Б",
                            "НАЧ",
                            comment,
                            "КОН"};
    const QString loaded = m_dir.filePath(QStringLiteral("utf8.txt"));
    QVERIFY(writeBytes(loaded, "\xef\xbb\xbf" + lines.join(QStringLiteral("\r\n")).toUtf8()));
    EditorSession s;
    s.dialogs->openName = loaded;
    s.menu(s.menuItem("N11"));
    QCOMPARE(s.lines(), lines);
    s.dialogs->saveName = m_dir.filePath(QStringLiteral("saved.txt"));
    SeenMessage seen;
    closeNextMessage(&seen);
    s.menu(s.menuItem("N10"));
    if (!isUtf8) {
        // No message came: the next box is this one.
        QMessageBox probe(QMessageBox::Information, QString(), QStringLiteral("probe"));
        probe.exec();
    }
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, isUtf8 ? writtenAsUtf8Message(s.dialogs->saveName) : QStringLiteral("probe"));
    const QByteArray bytes = readBytes(s.dialogs->saveName);
    QCOMPARE(bytes.startsWith("\xef\xbb\xbf"), isUtf8);
    // Nothing is lost either way.
    QCOMPARE(algorithmLinesFromBytes(bytes), lines);
    QVERIFY(!s.editor->isModified());
}

void TestAlgorithmFiles::saveFails_data()
{
    QTest::addColumn<QString>("name");
    // What the message says before the system's reason.
    QTest::addColumn<QString>("message");

    QTest::newRow("missing folder") << "no such folder/a.txt"
                                    << cannotCreateFileMessage(m_dir.filePath("no such folder/a.txt"));
    QTest::newRow("file in place of a folder")
        << "plain.txt/a.txt" << cannotCreateFileMessage(m_dir.filePath("plain.txt/a.txt"));
    QTest::newRow("name of a folder") << "folder" << cannotCreateFileMessage(m_dir.filePath("folder"));
}

void TestAlgorithmFiles::saveFails()
{
    QFETCH(QString, name);
    QFETCH(QString, message);

    const QByteArray oldBytes("\xcd\xc0\xd7\r\n\xca\xce\xcd\r\n");
    const QString plain = m_dir.filePath(QStringLiteral("plain.txt"));
    QVERIFY(writeBytes(plain, oldBytes));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    const QString file = m_dir.filePath(name);
    EditorSession s;
    buildByKeys(s);
    const QStringList lines = s.lines();
    s.dialogs->saveName = file;
    SeenMessage seen;
    closeNextMessage(&seen);
    s.menu(s.menuItem("N10"));
    QCOMPARE(seen.count, 1);
    QVERIFY2(seen.text.startsWith(message + QStringLiteral(": ")), qPrintable(seen.text));
    QVERIFY2(seen.text.size() > message.size() + 2, qPrintable(seen.text));
    QVERIFY(seen.text.contains(QDir::toNativeSeparators(file)));
    QCOMPARE(readBytes(plain), oldBytes);
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(
        QDir(m_dir.filePath(QStringLiteral("folder"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList());
    QCOMPARE(s.lines(), lines);
    // Still unsaved: closing the window will ask again.
    QVERIFY(s.editor->isModified());
}

void TestAlgorithmFiles::load()
{
    EditorSession s;
    const QStringList lines{"АЛГОРИТМ ПУТЬ_0",
                            "    Дано: Исполнитель в т.А",
                            "    Надо: Воспроизвести образец",
                            "НАЧ",
                            "    ДЕЛАЙ второй",
                            "\tШАГ",
                            "КОН",
                            "ПРОЦЕДУРА второй",
                            "КОНЕЦ ПРОЦЕДУРЫ",
                            "ПРОЦЕДУРА первый",
                            "    ДЕЛАЙ второй",
                            "КОНЕЦ ПРОЦЕДУРЫ"};
    const QString file = m_dir.filePath(QStringLiteral("unix.txt"));
    // Unix line ends and no break after the last line.
    QVERIFY(writeBytes(file, *encodeWindows1251(lines.join(u'\n'))));
    control<QAction>(s.window, "NMainDebug")->setEnabled(false);
    s.dialogs->openName = file;
    s.menu(s.menuItem("N11"));
    QCOMPARE(s.dialogs->openAsked, 1);
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.currentRow(), 4);
    QCOMPARE(s.list()->currentIndex().row(), 4);
    QVERIFY(control<QAction>(s.window, "NMainDebug")->isEnabled());
    QCOMPARE(s.names()->names(), (QStringList{"второй", "первый"}));
    QVERIFY(s.names()->selectedItems().isEmpty());
    QCOMPARE(s.statistics(), updateStatistics(lines));
    QVERIFY(!s.editor->isModified());
    // The loaded procedures can be called from the list.
    s.key(Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), s.names());
    s.key(Qt::Key_End);
    QCOMPARE(s.lines().at(4), QStringLiteral("    ДЕЛАЙ первый"));
    QCOMPARE(s.lines().size(), lines.size() + 1);
}

void TestAlgorithmFiles::loadFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("missing") << "missing.txt" << false;
    QTest::newRow("too large") << "large.txt" << true;
}

void TestAlgorithmFiles::loadFails()
{
    QFETCH(QString, name);
    QFETCH(bool, tooLarge);
    EditorSession s;
    buildByKeys(s);
    const QString file = m_dir.filePath(name);
    if (tooLarge)
        QVERIFY(writeBytes(file, QByteArray(maxAlgorithmFileSize + 1, 'a')));
    const QStringList lines = s.lines();
    const int row = s.currentRow();
    const QStringList names = s.names()->names();
    const QStringList statistics = s.statistics();
    const int steps = s.undoSteps();
    s.dialogs->openName = file;
    SeenMessage seen;
    closeNextMessage(&seen);
    s.menu(s.menuItem("N11"));
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text,
             tooLarge ? fileTooLargeMessage(file)
                      : cannotOpenFileMessage(file, "нет такого файла или папки"));
    QVERIFY(seen.text.contains(QDir::toNativeSeparators(file)));
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.currentRow(), row);
    QCOMPARE(s.names()->names(), names);
    QCOMPARE(s.statistics(), statistics);
    QCOMPARE(s.undoSteps(), steps);

    // A cancelled dialog changes nothing either.
    s.dialogs->openName.clear();
    s.menu(s.menuItem("N11"));
    QCOMPARE(s.lines(), lines);
    QCOMPARE(seen.count, 1);
}

void TestAlgorithmFiles::loadShortFile()
{
    EditorSession s;
    const QString file = m_dir.filePath(QStringLiteral("short.txt"));
    QVERIFY(writeBytes(file, "A\r\nB\r\n"));
    s.dialogs->openName = file;
    s.menu(s.menuItem("N11"));
    QCOMPARE(s.lines(), (QStringList{"A", "B"}));
    QCOMPARE(s.currentRow(), -1);
    // With no selected line, insertions and deletions do nothing.
    s.key(Qt::Key_F2);
    QCOMPARE(s.lines(), (QStringList{"A", "B"}));
    s.menu(s.menuItem("N1"));
    QCOMPARE(s.lines(), (QStringList{"A", "B"}));
    QCOMPARE(s.currentRow(), -1);
    s.menu(s.menuItem("N5"));
    QCOMPARE(s.lines(), (QStringList{"A", "B"}));
    // The whole algorithm can still be replaced.
    s.menu(s.menuItem("N4"));
    QCOMPARE(s.lines(), algorithmSkeleton(true));
    QCOMPARE(s.currentRow(), 4);
}

void TestAlgorithmFiles::saveDialog()
{
    StandardFileDialogs dialogs;
    FileDialogAnswers answers;
    QCOMPARE(dialogs.saveFileName(nullptr), QString());
    QCOMPARE(answers.asked.size(), 1);
    const FileDialogAnswers::Asked &shown = answers.asked.first();
    QCOMPARE(shown.title, QStringLiteral("Сохранить алгоритм в файле"));
    QCOMPARE(shown.nameFilters, QStringList{"текстовый (*.txt)"});
    QCOMPARE(shown.defaultSuffix, QStringLiteral("txt"));
    QCOMPARE(shown.acceptMode, QFileDialog::AcceptSave);
    // The question before replacing a file is the program's own, in Russian.
    QVERIFY(shown.options.testFlag(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(shown.selectedFiles.size(), 1);
    QCOMPARE(QFileInfo(shown.selectedFiles.first()).fileName(), QStringLiteral("NoName.txt"));
}

void TestAlgorithmFiles::saveDialogAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Да") << "Да";
    QTest::newRow("Нет") << "Нет";
}

void TestAlgorithmFiles::saveDialogAsksBeforeReplacing()
{
    QFETCH(QString, answer);
    const QString existing = m_dir.filePath(QStringLiteral("existing.txt"));
    QVERIFY(writeBytes(existing, "old\r\n"));
    StandardFileDialogs dialogs;
    QString question;
    QStringList offeredAgain;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Сохранить алгоритм в файле"));
        dialog->setDirectory(m_dir.path());
        dialog->selectFile(existing);
        onNextModal(
            [&](QWidget *box) {
                if (answer == "Нет") {
                    // Refused: the dialog comes back with the name chosen, to pick another.
                    onNextModal(
                        [&](QWidget *again) {
                            if (auto *second = qobject_cast<QFileDialog *>(again)) {
                                offeredAgain = second->selectedFiles();
                                second->reject();
                            }
                        },
                        box);
                }
                answerNextQuestion(answer, &question);
            },
            dialog);
        static_cast<QDialog *>(dialog)->accept();
    });
    const QString chosen = dialogs.saveFileName(nullptr);
    QCOMPARE(
        question,
        QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(QDir::toNativeSeparators(existing)));
    if (answer == "Да") {
        QCOMPARE(chosen, existing);
    } else {
        QCOMPARE(chosen, QString());
        QCOMPARE(offeredAgain, QStringList{existing});
    }
}

void TestAlgorithmFiles::openDialog()
{
    StandardFileDialogs dialogs;
    // The name chosen once is offered the next time.
    const QString chosen = m_dir.filePath(QStringLiteral("chosen.txt"));
    QVERIFY(writeBytes(chosen, "x\r\n"));
    FileDialogAnswers answers({chosen});
    QCOMPARE(dialogs.openFileName(nullptr), chosen);
    QCOMPARE(dialogs.openFileName(nullptr), QString());
    QCOMPARE(answers.asked.size(), 2);
    const FileDialogAnswers::Asked &first = answers.asked.first();
    QCOMPARE(first.title, QStringLiteral("Укажите имя открываемого файла"));
    QCOMPARE(first.nameFilters, QStringList{"текстовые (*.txt)"});
    QCOMPARE(first.defaultSuffix, QStringLiteral("txt"));
    QCOMPARE(first.acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(first.fileMode, QFileDialog::ExistingFile);
    QCOMPARE(answers.asked.last().selectedFiles, QStringList{chosen});
}

void TestAlgorithmFiles::closeQuestion_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("saveName");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Отмена") << "Отмена" << QString() << false;
    QTest::newRow("Нет") << "Нет" << QString() << true;
    QTest::newRow("Да, saved") << "Да"
                               << "closing.txt" << true;
    QTest::newRow("Да, save cancelled") << "Да" << QString() << false;
}

void TestAlgorithmFiles::closeQuestion()
{
    QFETCH(QString, answer);
    QFETCH(QString, saveName);
    QFETCH(bool, closed);
    EditorSession s;
    buildByKeys(s);
    if (!saveName.isEmpty())
        s.dialogs->saveName = m_dir.filePath(saveName);
    QString question;
    answerNextQuestion(answer, &question);
    const bool accepted = s.window.close();
    QCOMPARE(question, QStringLiteral("Сохранить алгоритм в файле?"));
    QCOMPARE(accepted, closed);
    QCOMPARE(s.window.isVisible(), !closed);
    QCOMPARE(s.dialogs->saveAsked, answer == "Да" ? 1 : 0);
    if (!saveName.isEmpty())
        QCOMPARE(readBytes(s.dialogs->saveName), encodeAlgorithmFile(s.lines()).bytes);
}

void TestAlgorithmFiles::closeWithoutChanges()
{
    EditorSession s;
    QVERIFY(s.window.close());
    EditorSession saved;
    buildByKeys(saved);
    saved.dialogs->saveName = m_dir.filePath(QStringLiteral("before closing.txt"));
    saved.menu(saved.menuItem("N10"));
    QVERIFY(saved.window.close());
    QCOMPARE(saved.dialogs->saveAsked, 1);
}

void TestAlgorithmFiles::builtSavedAndChecked()
{
    // A task of its own: the executor at the top left looking down, no walls on its way.
    const QString task = m_dir.filePath(QStringLiteral("task"));
    QVERIFY(QDir().mkpath(task));
    QVERIFY(writeBytes(QDir(task).filePath(QStringLiteral("Zerid.txt")),
                       *encodeWindows1251(QStringLiteral("# 001 0 1  300\r\nДойдите до низа.\r\nZ\r\n"
                                                         "0  0  0 270  0 11\r\nH\r\n  9  9\r\nE\r\n"))));

    EditorSession s;
    s.key(Qt::Key_F8);
    s.key(Qt::Key_Down);
    s.key(Qt::Key_Return);
    s.key(Qt::Key_F2);
    s.clickRow(8);
    s.key(Qt::Key_F6);
    s.type(QStringLiteral("разворот"));
    s.key(Qt::Key_Return);
    s.clickRow(11);
    QCOMPARE(s.text().currentLine(), QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ"));
    s.key(Qt::Key_F4);
    s.key(Qt::Key_F4);
    QCOMPARE(s.lines().mid(3),
             (QStringList{"НАЧ", "    ПОКА впереди НЕ стена", "    НЦ", "        ШАГ", "    КЦ",
                          "    ДЕЛАЙ разворот", "КОН", "ПРОЦЕДУРА разворот", "    ПОВОРОТ", "    ПОВОРОТ",
                          "КОНЕЦ ПРОЦЕДУРЫ"}));
    const QString file = m_dir.filePath(QStringLiteral("walk.txt"));
    s.dialogs->saveName = file;
    s.menu(s.menuItem("N10"));
    QVERIFY(QFile::exists(file));

    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--task"), task, QStringLiteral("--json"), file});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 0);
    const QJsonObject run = QJsonDocument::fromJson(checker.readAllStandardOutput()).object();
    QCOMPARE(run.value(QStringLiteral("end")).toString(), QStringLiteral("complete"));
    const QJsonArray passes = run.value(QStringLiteral("passes")).toArray();
    QCOMPARE(passes.size(), 1);
    const QJsonObject pass = passes.at(0).toObject();
    QJsonArray expectedTrace;
    for (int row = 0; row < 11; ++row)
        expectedTrace.append(QJsonArray{0, row, 0, row + 1});
    QCOMPARE(pass.value(QStringLiteral("trace")).toArray(), expectedTrace);
    const QJsonObject executor = pass.value(QStringLiteral("executor")).toObject();
    QCOMPARE(executor.value(QStringLiteral("column")).toInt(), 0);
    QCOMPARE(executor.value(QStringLiteral("row")).toInt(), 11);
    QCOMPARE(executor.value(QStringLiteral("heading")).toInt(), 90);
}

QTEST_MAIN(TestAlgorithmFiles)
#include "tst_algorithmfiles.moc"
