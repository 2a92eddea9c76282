#include "cli/run/filecheck.h"

#include "cli/run/output/picturefile.h"
#include "common/printablename.h"
#include "display/fieldgeometry.h"
#include "display/fieldscene.h"
#include "judge/runrecorder.h"
#include "tasks/setup/tasksetup.h"
#include "world/run/interpreter.h"
#include "world/run/runeventlog.h"
#include "world/run/virtualrundriver.h"

#include <QFileInfo>

#include <memory>

FileCheck::FileCheck(const CheckerTask &task, const CheckerOptions &options, const ProtectedFiles &inputs)
    : m_task(task)
    , m_options(options)
    , m_inputs(inputs)
{
}

QString FileCheck::picturePath(const QString &prefix, const QString &file, int number)
{
    const QString head = prefix + QLatin1Char('-');
    const QString tail = QStringLiteral("-%1.png").arg(number);
    return head + fittedPictureStem(head, QFileInfo(file).completeBaseName(), tail) + tail;
}

FileResult FileCheck::run(const QString &file, const QStringList &lines, RunEventLog *events)
{
    m_pictureErrors.clear();
    World world = m_task.world;

    // Without pictures nothing is drawn at all, so a long run costs only the interpreter.
    std::unique_ptr<FieldScene> scene;
    if (m_options.rendersPictures()) {
        scene = std::make_unique<FieldScene>(FieldGeometry::compute(m_options.unit, world.fieldSize));
        scene->drawEmptyField();
        scene->drawTaskObjects(world);
        showVariableWalls(world.walls, scene.get());
    }

    RunRecorder recorder(world, events);
    recorder.setArrangementShown(m_task.testArrangement);
    // Of the outputs only the JSON line shows the traces.
    recorder.setTraceKept(m_options.json);
    if (scene) {
        // A chosen test's picture carries the test's number.
        const int firstNumber = qMax(1, m_task.testNumber);
        recorder.setPassEndedHandler([&, firstNumber](const PassResult &, int number) {
            const QString error = writePictureFile(
                scene->picture(), picturePath(m_options.renderPrefix, file, firstNumber + number - 1),
                m_inputs);
            if (!error.isEmpty())
                m_pictureErrors.append(error);
        });
    }

    if (events)
        events->append(QStringLiteral("run ") + printableName(file));

    Interpreter interpreter(lines, world, DelaySettings::forSpeed(m_options.speed), scene.get(), &recorder);
    VirtualRunDriver driver(m_options.limit);
    const RunEnd end = driver.play(interpreter);

    FileResult result;
    result.file = file;
    result.fieldSize = world.fieldSize;
    result.speed = m_options.speed;
    result.end = end;
    result.passes = recorder.passes();
    return result;
}
