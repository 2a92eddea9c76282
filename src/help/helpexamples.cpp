#include "help/helpexamples.h"

#include "display/fieldgeometry.h"
#include "display/fieldscene.h"
#include "judge/runrecorder.h"
#include "world/model/world.h"
#include "world/run/interpreter.h"
#include "world/run/virtualrundriver.h"

#include <QStringBuilder>

namespace {

// Small enough for two pictures side by side in a narrow window, large enough to tell the
// executor's heading.
constexpr int pictureUnit = 8;

QString indented(int blanks, const QString &text)
{
    return QString(blanks, QLatin1Char(' ')) + text;
}

QList<HelpExample> makeExamples()
{
    const auto at = [](int column, int row) { return CellPosition{qint16(column), qint16(row)}; };
    const auto state = [](int column, int row, int heading) {
        return ExecutorState{qint16(column), qint16(row), qint16(heading)};
    };
    const QString loop = QStringLiteral("ПОКА впереди НЕ стена");
    QList<HelpExample> examples;

    HelpExample step;
    step.name = QStringLiteral("step");
    step.start = {0, 1, 0};
    step.body = {indented(4, QStringLiteral("ШАГ")), indented(4, QStringLiteral("ШАГ"))};
    step.expectedExecutor = state(2, 1, 0);
    step.expectedTrace = 2;
    step.says = QStringLiteral("Шагайка прошёл две клетки вправо и нарисовал за собой след.");
    examples << step;

    HelpExample jump = step;
    jump.name = QStringLiteral("jump");
    jump.body = {indented(4, QStringLiteral("ПРЫЖОК")), indented(4, QStringLiteral("ШАГ"))};
    jump.expectedTrace = 1;
    jump.says = QStringLiteral("Первую клетку Шагайка перепрыгнул без следа, вторую прошёл со следом.");
    examples << jump;

    HelpExample turn;
    turn.name = QStringLiteral("turn");
    turn.start = {1, 2, 0};
    turn.rows = 4;
    turn.columns = 4;
    turn.body = {indented(4, QStringLiteral("ПОВОРОТ")), indented(4, QStringLiteral("ШАГ"))};
    turn.expectedExecutor = state(1, 1, 90);
    turn.expectedTrace = 1;
    turn.says =
        QStringLiteral("Шагайка смотрел вправо, повернулся налево (теперь смотрит вверх) и шагнул вверх.");
    examples << turn;

    HelpExample crash;
    crash.name = QStringLiteral("crash");
    crash.start = {0, 1, 180};
    crash.body = {indented(4, QStringLiteral("ШАГ"))};
    crash.expectedExecutor = state(0, 1, 180);
    crash.expectedEnd = RunEnd::Crash;
    crash.says = QStringLiteral("Впереди граница поля: ШАГ не сделан, выполнение остановлено.");
    examples << crash;

    HelpExample condition;
    condition.name = QStringLiteral("condition");
    condition.start = {0, 1, 0};
    condition.verticalWalls = {at(1, 1)};
    for (int i = 0; i < 2; ++i) {
        condition.body << indented(4, QStringLiteral("ЕСЛИ впереди НЕ стена"))
                       << indented(7, QStringLiteral("ТО")) << indented(11, QStringLiteral("ШАГ"))
                       << indented(4, QStringLiteral("ВСЁ"));
    }
    condition.expectedExecutor = state(1, 1, 0);
    condition.expectedTrace = 1;
    condition.says = QStringLiteral("В первый раз впереди свободно, и Шагайка шагнул; во второй раз впереди "
                                    "стена, и ШАГ пропущен.");
    examples << condition;

    HelpExample branch;
    branch.name = QStringLiteral("branch");
    branch.start = {1, 2, 0};
    branch.columns = 4;
    branch.rows = 4;
    branch.verticalWalls = {at(1, 2)};
    branch.body = {indented(4, QStringLiteral("ЕСЛИ впереди стена")),
                   indented(7, QStringLiteral("ТО")),
                   indented(11, QStringLiteral("ПОВОРОТ")),
                   indented(7, QStringLiteral("ИНАЧЕ")),
                   indented(11, QStringLiteral("ПРЫЖОК")),
                   indented(4, QStringLiteral("ВСЁ")),
                   indented(4, QStringLiteral("ШАГ"))};
    branch.expectedExecutor = state(1, 1, 90);
    branch.expectedTrace = 1;
    branch.says = QStringLiteral("Впереди стена, поэтому выполнен ПОВОРОТ (после ТО), а ПРЫЖОК (после ИНАЧЕ) "
                                 "пропущен; затем ШАГ вверх.");
    examples << branch;

    HelpExample whileLoop;
    whileLoop.name = QStringLiteral("loop");
    whileLoop.start = {0, 1, 0};
    whileLoop.columns = 6;
    whileLoop.verticalWalls = {at(3, 1)};
    whileLoop.body = {indented(4, loop), indented(4, QStringLiteral("НЦ")),
                      indented(8, QStringLiteral("ШАГ")), indented(4, QStringLiteral("КЦ"))};
    whileLoop.expectedExecutor = state(3, 1, 0);
    whileLoop.expectedTrace = 3;
    whileLoop.says =
        QStringLiteral("Шагайка шагал, пока впереди не оказалась стена, и остановился перед ней.");
    examples << whileLoop;

    HelpExample procedure;
    procedure.name = QStringLiteral("procedure");
    procedure.start = {0, 3, 0};
    procedure.columns = 4;
    procedure.rows = 4;
    procedure.body = {indented(4, QStringLiteral("ДЕЛАЙ ступенька")),
                      indented(4, QStringLiteral("ДЕЛАЙ ступенька"))};
    procedure.procedures = {QStringLiteral("ПРОЦЕДУРА ступенька"),  indented(4, QStringLiteral("ШАГ")),
                            indented(4, QStringLiteral("ПОВОРОТ")), indented(4, QStringLiteral("ШАГ")),
                            indented(4, QStringLiteral("ПОВОРОТ")), indented(4, QStringLiteral("ПОВОРОТ")),
                            indented(4, QStringLiteral("ПОВОРОТ")), QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ")};
    procedure.expectedExecutor = state(2, 1, 0);
    procedure.expectedTrace = 4;
    procedure.says = QStringLiteral("Процедура «ступенька» выполнена два раза: две ступеньки вверх вправо.");
    examples << procedure;

    HelpExample comment = step;
    comment.name = QStringLiteral("comment");
    comment.body.prepend(QStringLiteral("// две клетки вправо"));
    comment.says = QStringLiteral("Комментарий ничего не делает: Шагайка прошёл две клетки, как без него.");
    examples << comment;

    return examples;
}

QImage fieldPart(const FieldScene &scene, const HelpExample &example)
{
    const FieldGeometry &g = scene.geometry();
    const QPoint corner =
        g.cellCentre(example.columns - 1, example.rows - 1) + QPoint(g.halfCell + 3, g.halfCell + 3);
    return scene.picture().copy(QRect(QPoint(0, 0), QPoint(corner.x(), corner.y())));
}

} // namespace

const QList<HelpExample> &helpExamples()
{
    static const QList<HelpExample> examples = makeExamples();
    return examples;
}

std::optional<HelpExample> helpExample(const QString &name)
{
    for (const HelpExample &example : helpExamples()) {
        if (example.name == name)
            return example;
    }
    return std::nullopt;
}

HelpExampleRun runHelpExample(const HelpExample &example)
{
    World world;
    world.fieldSize = 12;
    world.start = example.start;
    world.pointB = {-1, -1};
    world.walls.walls.horizontal = example.horizontalWalls;
    world.walls.walls.vertical = example.verticalWalls;

    FieldScene scene(FieldGeometry::compute(pictureUnit, world.fieldSize));
    scene.drawEmptyField();
    scene.drawTaskObjects(world);
    HelpExampleRun run;
    run.before = fieldPart(scene, example);

    RunRecorder recorder(world);
    Interpreter interpreter(example.lines(), world, DelaySettings::forSpeed(RunSpeed::Fastest), &scene,
                            &recorder);
    run.end = VirtualRunDriver(10000).play(interpreter);
    run.after = fieldPart(scene, example);
    run.executor = world.executor;
    for (const PassResult &pass : recorder.passes())
        run.trace += int(pass.trace.size());
    return run;
}

QImage helpExamplePicture(const QString &path)
{
    const QString name = path.section(QLatin1Char('/'), 0, 0);
    const QString which = path.section(QLatin1Char('/'), 1);
    const auto example = helpExample(name);
    if (!example || (which != QLatin1String("before") && which != QLatin1String("after")))
        return {};
    const HelpExampleRun run = runHelpExample(*example);
    return which == QLatin1String("before") ? run.before : run.after;
}

QString exampleHtml(const QString &name)
{
    const auto example = helpExample(name);
    if (!example)
        return {};
    QString code;
    for (const QString &line : QStringList{QStringLiteral("НАЧ")} + example->body
             + QStringList{QStringLiteral("КОН")} + example->procedures)
        code += line.toHtmlEscaped() + QLatin1Char('\n');
    const QString picture = QStringLiteral("<img src=\"example:%1/%2\">");
    return QStringLiteral(
               "<table cellpadding=\"6\"><tr><th>Алгоритм</th><th>Поле до</th><th>Поле после</th></tr>")
        % QStringLiteral("<tr><td valign=\"top\"><pre>") % code
        % QStringLiteral("</pre></td><td valign=\"top\">") % picture.arg(name, QStringLiteral("before"))
        % QStringLiteral("</td><td valign=\"top\">") % picture.arg(name, QStringLiteral("after"))
        % QStringLiteral("</td></tr></table><p><i>") % example->says.toHtmlEscaped()
        % QStringLiteral("</i></p>");
}
