// The structured editor's operations in random order. On a text that starts as the
// skeleton, only what the window lets the pupil do is done (rows chosen by the
// selection rule, deletions the context menu offers), and the text must keep its
// shape after every step. On random texts (as a loaded file gives) every operation
// is tried anywhere, and only memory safety and the current row's range are checked.

#include "fuzzinput.h"
#include "wellformedness.h"

#include "common/textencoding.h"
#include "editor/algorithmdeletion.h"
#include "editor/algorithmfile.h"
#include "editor/algorithminsertion.h"
#include "editor/algorithmline.h"
#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "editor/contextmenustate.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace K = AlgorithmKeyword;

namespace {

constexpr int maxOperations = 120;
// Keeps one input fast; the shapes that matter are small.
constexpr int maxLines = 160;
constexpr int maxFileBytes = 4096;

enum class Operation {
    SelectRow,
    Step,
    Jump,
    Turn,
    Branch,
    Loop,
    ChooseProcedure,
    NewProcedureName,
    BlankLine,
    Comment,
    DeleteLine,
    DeleteKey,
    DeleteConstruct,
    DeleteElseBranch,
    DeleteProcedure,
    DeleteWholeAlgorithm,
    SetRowAnywhere, // a stopped run or a loaded file leaves any row selected
    Last = SetRowAnywhere,
};

const char *operationName(Operation op)
{
    switch (op) {
    case Operation::SelectRow: return "select row";
    case Operation::Step: return "step";
    case Operation::Jump: return "jump";
    case Operation::Turn: return "turn";
    case Operation::Branch: return "branch";
    case Operation::Loop: return "loop";
    case Operation::ChooseProcedure: return "choose procedure";
    case Operation::NewProcedureName: return "new procedure name";
    case Operation::BlankLine: return "blank line";
    case Operation::Comment: return "comment";
    case Operation::DeleteLine: return "delete line";
    case Operation::DeleteKey: return "Delete key";
    case Operation::DeleteConstruct: return "delete construct";
    case Operation::DeleteElseBranch: return "delete else-branch";
    case Operation::DeleteProcedure: return "delete procedure";
    case Operation::DeleteWholeAlgorithm: return "delete whole algorithm";
    case Operation::SetRowAnywhere: return "set row anywhere";
    }
    return "?";
}

struct Step
{
    Operation op;
    int row; // the current row before the step
    QString argument;
};

// Free text typed by the pupil (a comment, a procedure name): one line of any characters.
QString typedText(FuzzInput &data)
{
    const bool utf8 = data.flag();
    const QByteArray raw = data.bytes(24);
    QString text = utf8 ? QString::fromUtf8(raw) : decodeWindows1251(raw);
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    text.remove(QChar(0));
    return text;
}

// Mostly the few names a pupil would use, so that names meet again.
QString procedureName(FuzzInput &data)
{
    static const QStringList usual = {QStringLiteral("угол"), QStringLiteral("a"),  QStringLiteral("A"),
                                      QStringLiteral(" "),    QStringLiteral("1x"), QString()};
    const int pick = data.pick(0, int(usual.size()));
    return pick < usual.size() ? usual.at(pick) : typedText(data);
}

// A line of a random text: mostly keywords, so that constructs form, with any indentation.
QString randomLine(FuzzInput &data)
{
    static const QStringList words = {titleLine(),
                                      K::given,
                                      K::goalPointB,
                                      K::goalPattern,
                                      K::begin,
                                      K::end,
                                      K::step,
                                      K::jump,
                                      K::turn,
                                      K::ifWall,
                                      K::ifNotWall,
                                      K::then,
                                      K::otherwise,
                                      K::branchEnd,
                                      K::whileWall,
                                      K::whileNotWall,
                                      K::loopBegin,
                                      K::loopEnd,
                                      K::procedure + QStringLiteral(" угол"),
                                      K::procedure,
                                      K::procedureEnd,
                                      K::call + QStringLiteral(" угол"),
                                      K::call,
                                      K::comment,
                                      QString(),
                                      QStringLiteral("КОН "),
                                      QStringLiteral("ЕСЛИ"),
                                      QStringLiteral("ПОКА")};
    const QString indent(data.pick(0, 12), data.flag() ? QLatin1Char(' ') : QLatin1Char('\t'));
    const int pick = data.pick(0, int(words.size()));
    return indent + (pick < words.size() ? words.at(pick) : typedText(data));
}

WallCondition condition(FuzzInput &data)
{
    return data.flag() ? WallCondition::WallAhead : WallCondition::NoWallAhead;
}

// The window opens the procedure panel with exactly one of its two buttons disabled;
// neither (None) is only reachable by calling the editor directly.
ProcedurePanelMode panelMode(FuzzInput &data, bool anything)
{
    switch (data.pick(0, anything ? 2 : 1)) {
    case 0: return ProcedurePanelMode::Description;
    case 1: return ProcedurePanelMode::Call;
    default: return ProcedurePanelMode::None;
    }
}

class EditorSession
{
public:
    EditorSession(FuzzInput &data, bool fromSkeleton)
        : m_data(data)
        , m_fromSkeleton(fromSkeleton)
        , m_insertion(m_text, m_names, data.pick(0, 20))
        , m_deletion(m_text, m_names)
    {
        if (fromSkeleton) {
            buildAlgorithmSkeleton(m_text, data.flag());
            return;
        }
        // Either the bytes of an algorithm file, or lines made mostly of keywords.
        QStringList lines;
        if (data.flag()) {
            lines = algorithmLinesFromBytes(data.bytes(maxFileBytes));
        } else {
            const int lineCount = data.pick(0, 60);
            for (int i = 0; i < lineCount; ++i)
                lines.append(randomLine(data));
        }
        const int count = int(lines.size());
        m_text.setLines(lines);
        m_names = rebuildProcedureList(lines);
        m_text.setCurrentRow(data.pick(-1, count));
    }

    void run()
    {
        checkShape();
        for (int i = 0; i < maxOperations && !m_data.isUsedUp() && m_text.count() <= maxLines; ++i) {
            apply(Operation(m_data.pick(0, int(Operation::Last))));
            checkShape();
        }
        if (m_fromSkeleton) {
            updateStatistics(m_text.lines());
            checkFileRoundTrip();
        }
    }

private:
    void apply(Operation op)
    {
        Step step{op, m_text.currentRow(), QString()};
        const ContextMenuState menu = contextMenuState(m_text);
        // What the window offers; a random text gets every operation everywhere.
        const bool anything = !m_fromSkeleton;
        switch (op) {
        case Operation::SelectRow: {
            const int row = m_data.pick(anything ? -2 : 0, m_text.count());
            step.argument = QString::number(row);
            const int selected = rowAfterPupilSelection(m_text.lines(), row);
            if (anything || selected >= 0)
                m_text.setCurrentRow(selected);
            break;
        }
        case Operation::Step: m_insertion.insertStep(); break;
        case Operation::Jump: m_insertion.insertJump(); break;
        case Operation::Turn: m_insertion.insertTurn(); break;
        case Operation::Branch: m_insertion.insertBranch(condition(m_data)); break;
        case Operation::Loop: m_insertion.insertLoop(condition(m_data)); break;
        case Operation::ChooseProcedure: {
            // The window offers only the listed names.
            QString name;
            if (anything)
                name = procedureName(m_data);
            else if (!m_names.isEmpty())
                name = m_names.at(m_data.pick(0, int(m_names.size()) - 1));
            else
                break;
            step.argument = name;
            m_insertion.chooseProcedure(name, panelMode(m_data, anything));
            break;
        }
        case Operation::NewProcedureName:
            step.argument = procedureName(m_data);
            m_insertion.enterNewProcedureName(step.argument, panelMode(m_data, anything));
            break;
        case Operation::BlankLine: m_insertion.insertBlankLine(); break;
        case Operation::Comment:
            step.argument = typedText(m_data);
            m_insertion.insertComment(step.argument);
            break;
        case Operation::DeleteLine:
            if (anything || menu.deleteLine)
                m_deletion.deleteLine();
            break;
        case Operation::DeleteKey: m_deletion.deleteSimpleLine(); break;
        case Operation::DeleteConstruct:
            if (anything || menu.deleteConstruct)
                m_deletion.deleteConstruct();
            break;
        case Operation::DeleteElseBranch:
            if (anything || menu.deleteElseBranch)
                m_deletion.deleteElseBranch();
            break;
        case Operation::DeleteProcedure:
            if (anything || menu.deleteProcedure)
                m_deletion.deleteProcedure();
            break;
        case Operation::DeleteWholeAlgorithm: m_deletion.deleteWholeAlgorithm(m_data.flag()); break;
        case Operation::SetRowAnywhere:
            if (anything)
                m_text.setCurrentRow(m_data.pick(-2, m_text.count() + 1));
            break;
        }
        m_steps.push_back(step);
        // The statistics panel reads the whole text after each edit; once a case is
        // enough where the text is sound.
        if (anything)
            updateStatistics(m_text.lines());
    }

    void checkShape() const
    {
        const int row = m_text.currentRow();
        if (row < -1 || row >= m_text.count())
            fail(QStringLiteral("current row %1 outside the text").arg(row));
        if (!m_fromSkeleton)
            return;
        if (const auto fault = wellFormednessFault(m_text.lines()))
            fail(*fault);
        if (const auto fault = procedureNamesFault(m_text.lines(), m_names))
            fail(*fault);
        // The editor always leaves a line selected where the next insertion may go.
        if (!m_text.hasCurrentLine())
            fail(QStringLiteral("no current line"));
        if (rowAfterPupilSelection(m_text.lines(), row) != row)
            fail(QStringLiteral("current row %1 is one the pupil could not select").arg(row));
    }

    void checkFileRoundTrip() const
    {
        const QStringList read = algorithmLinesFromBytes(encodeAlgorithmFile(m_text.lines()).bytes);
        if (read != m_text.lines())
            fail(QStringLiteral("the text read back from its file bytes differs"));
    }

    [[noreturn]] void fail(const QString &what) const
    {
        std::fprintf(stderr, "Fault: %s\nSteps:\n", what.toUtf8().constData());
        for (const Step &step : m_steps) {
            std::fprintf(stderr, "  at row %d: %s %s\n", step.row, operationName(step.op),
                         step.argument.toUtf8().constData());
        }
        std::fprintf(stderr, "Text (current row %d):\n", m_text.currentRow());
        for (int i = 0; i < m_text.count(); ++i)
            std::fprintf(stderr, "%4d|%s|\n", i, m_text.line(i).toUtf8().constData());
        std::abort();
    }

    FuzzInput &m_data;
    const bool m_fromSkeleton;
    AlgorithmText m_text;
    QStringList m_names;
    AlgorithmInsertion m_insertion;
    AlgorithmDeletion m_deletion;
    std::vector<Step> m_steps;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzInput data(bytes, size);
    EditorSession(data, data.flag()).run();
    return 0;
}
