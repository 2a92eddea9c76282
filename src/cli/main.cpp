#include "cli/checkertexts.h"
#include "cli/jury/jurymode.h"
#include "cli/run/algorithmfiles.h"
#include "cli/run/checkermessage.h"
#include "cli/run/checkeroptions.h"
#include "cli/run/checkertask.h"
#include "cli/run/filecheck.h"
#include "cli/run/output/eventstream.h"
#include "cli/run/output/protectedfiles.h"
#include "cli/run/output/resultjson.h"
#include "cli/run/output/resulttable.h"
#include "cli/validate/validatemode.h"
#include "common/systemfilename.h"
#include "editor/algorithmfile.h"
#include "tasks/setup/taskfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringConverter>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

enum ExitStatus { AllComplete = 0, SomeNotComplete = 1, CannotCheck = 2 };

// Pictures need fonts, and fonts need the GUI application; no window is ever shown.
std::unique_ptr<QCoreApplication> makeApplication(bool drawsPictures, int &argc, char *argv[])
{
    if (!drawsPictures)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const CheckerOptionsResult parsed = parseCheckerOptions(argumentsFromSystem(argc, argv));
    if (!parsed.isOk()) {
        err << checkerMessage(parsed.error) << "Справка: shagaika-check --help\n";
        return CannotCheck;
    }
    if (parsed.helpRequested) {
        out << checkerHelpText();
        return AllComplete;
    }
    if (parsed.versionRequested) {
        out << checkerVersionText() << "\n";
        return AllComplete;
    }
    if (parsed.options.mode == CheckerMode::Validate) {
        QCoreApplication application(argc, argv);
        return runValidateMode(parsed.options, out, err);
    }

    // A folder stands for its files.
    CheckerOptions options = parsed.options;
    const AlgorithmFileList listed = expandAlgorithmFiles(options.files, options.recursive);
    options.files = listed.files;
    for (const QString &note : listed.notes)
        err << checkerMessage(note);
    for (const QString &error : listed.errors)
        err << checkerMessage(error);
    // A pupil's own protocol (--only) may name its files alone.
    if (options.files.isEmpty() && options.onlyFiles.isEmpty()) {
        err << checkerMessage(QStringLiteral("не найден ни один файл алгоритма"));
        return CannotCheck;
    }
    if (options.mode == CheckerMode::Jury) {
        const std::unique_ptr<QCoreApplication> application =
            makeApplication(juryNeedsPictures(options), argc, argv);
        const int status = runJuryMode(options, out, err, listed.unreadFolders);
        // Files left unchecked in an unreadable folder are like files that cannot be read.
        return listed.errors.isEmpty() ? status : qMax(status, int(SomeNotComplete));
    }

    if (options.rendersPictures() && !QFileInfo(options.renderPrefix).absoluteDir().exists()) {
        err << checkerMessage(QStringLiteral("--render: нет папки ")
                              + QDir::toNativeSeparators(QFileInfo(options.renderPrefix).absolutePath()));
        return CannotCheck;
    }

    const std::unique_ptr<QCoreApplication> application =
        makeApplication(options.rendersPictures(), argc, argv);

    const CheckerTaskResult loaded = options.hasTest()
        ? loadCheckerTest(options.taskFolder, options.test)
        : loadCheckerTask(options.taskFolder, options.fieldSize);
    if (!loaded.isOk()) {
        err << checkerMessage(loaded.error);
        return CannotCheck;
    }

    // Every file is read before any runs, so that a wrong name costs no time.
    QList<QStringList> algorithms;
    bool allRead = true;
    for (const QString &file : options.files) {
        const AlgorithmFileResult read = readAlgorithmFile(file);
        if (!read.isOk()) {
            err << checkerMessage(read.error);
            allRead = false;
        }
        algorithms.append(read.lines);
    }
    if (!allRead || !listed.errors.isEmpty())
        return CannotCheck;

    ProtectedFiles inputs;
    inputs.add(TaskFolder(options.taskFolder).taskFilePath());
    for (const QString &file : options.files)
        inputs.add(file);
    FileCheck check(*loaded.task, options, inputs);
    QList<FileResult> results;
    bool allComplete = true;
    bool allPicturesWritten = true;
    for (qsizetype i = 0; i < options.files.size(); ++i) {
        std::unique_ptr<EventStream> events;
        if (options.events)
            events = std::make_unique<EventStream>(out);
        const FileResult result = check.run(options.files.at(i), algorithms.at(i), events.get());
        events.reset();
        for (const QString &error : check.pictureErrors()) {
            err << checkerMessage(error);
            allPicturesWritten = false;
        }
        if (options.json)
            out << resultJsonLine(result) << "\n";
        out.flush();
        allComplete = allComplete && result.end == RunEnd::Complete;
        if (!options.json && !options.events)
            results.append(result);
    }
    if (!options.json && !options.events) {
        for (const QString &line : resultTable(results))
            out << line << "\n";
    }
    out.flush();

    if (!allPicturesWritten)
        return CannotCheck;
    return allComplete ? AllComplete : SomeNotComplete;
}
