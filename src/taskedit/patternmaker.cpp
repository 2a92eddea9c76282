#include "taskedit/patternmaker.h"

#include "common/atomicwrite.h"
#include "display/fieldscene.h"
#include "editor/algorithmfile.h"
#include "judge/passrunner.h"
#include "tasks/setup/tasksetup.h"
#include "world/commands/runobserver.h"
#include "world/run/interpreter.h"
#include "world/run/virtualrundriver.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

// Keeps the field as the first pass left it: the next pass would draw the field afresh.
class FirstPassPicture : public RunObserver
{
public:
    explicit FirstPassPicture(const FieldScene &scene)
        : m_scene(scene)
    {
    }
    void setInterpreter(Interpreter *interpreter) { m_interpreter = interpreter; }
    void passEnded(RunEnd end, qint64 executedLines) override
    {
        Q_UNUSED(end)
        Q_UNUSED(executedLines)
        if (m_picture.isNull()) {
            m_picture = m_scene.picture();
            if (m_interpreter)
                m_interpreter->requestStop();
        }
    }
    QImage picture() const { return m_picture.isNull() ? m_scene.picture() : m_picture; }

private:
    const FieldScene &m_scene;
    Interpreter *m_interpreter = nullptr;
    QImage m_picture;
};

} // namespace

QImage PatternMaker::make(const TaskData &task, const QStringList &lines)
{
    World world = taskWorld(task, TaskData::firstSize);
    FieldScene scene(FieldGeometry::compute(layoutUnit, TaskData::firstSize));
    FirstPassPicture observer(scene);
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Fastest), &scene, &observer,
                            PassRunner::callDepthLimit);
    observer.setInterpreter(&interpreter);
    VirtualRunDriver driver(PassRunner::defaultHighlightLimit);
    driver.play(interpreter);
    return observer.picture();
}

std::optional<QString> PatternMaker::write(const QString &path, const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888)))
        return QStringLiteral("Не удалось записать файл %1: %2").arg(path, writer.errorString());
    const FileWriteResult written = writeFileAtomically(path, bytes);
    if (!written.isOk())
        return writeFailedMessage(path, written);
    return std::nullopt;
}
