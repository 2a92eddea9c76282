#include "app/help/workhelptopic.h"

#include "editor/algorithmtext.h"
#include "editor/linekind.h"
#include "help/helppages.h"
#include "help/helptopics.h"
#include "session/worksession.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Controls and panels by name, each with its page.
constexpr std::array<std::pair<const char *, const char *>, 27> controlTopics{{
    {"PPButtonStep", "step"},   {"PPButtonJump", "jump"},
    {"PPButtonTurn", "turn"},   {"PPButtonProc", "procedure"},
    {"PPButtonDoProc", "call"}, {"PPButtonIf", "branch"},
    {"PPButtonWhile", "loop"},  {"PPPanelSystCom", "editing"},
    {"PanelIf", "branch"},      {"PanelWhile", "loop"},
    {"PanelProc", "procedure"}, {"PanelComment", "comment"},
    {"PanelPoints", "points"},  {"pnlPattern", "pattern"},
    {"PanelCalls", "calls"},    {"lstComBreakpoints", "breakpoints"},
    {"ComMenu", "editing"},     {"ListStatist", "statistics"},
    {"pnlTskNew", "task"},      {"ToolBarAlg", "run"},
    {"PauseStatus", "pause"},   {"pnl1", "field"},
    {"PanelX", "field"},        {"PanelY", "field"},
    {"sizeMenu", "sizes"},      {"MainMenu", "stages"},
    {"StatusBar1", "stages"},
}};

// The panels that float over the window and take no keys of their own.
constexpr std::array<const char *, 7> floatingPanels{"PanelPoints", "pnlPattern", "PanelCalls",  "PanelIf",
                                                     "PanelWhile",  "PanelProc",  "PanelComment"};

QString controlTopic(const QWidget *widget, bool floatingOnly)
{
    for (; widget; widget = widget->parentWidget()) {
        const QByteArray name = widget->objectName().toLatin1();
        if (floatingOnly
            && std::find(floatingPanels.cbegin(), floatingPanels.cend(), name) == floatingPanels.cend())
            continue;
        for (const auto &[control, topic] : controlTopics) {
            if (name == control)
                return QString::fromLatin1(topic);
        }
    }
    return {};
}

bool isAlgorithmList(const QWidget *widget)
{
    return widget && widget->objectName() == QLatin1String("lstCom");
}

} // namespace

QString workHelpTopic(const WorkSession &session, const QWidget *focus, const QWidget *underPointer)
{
    if (const QString topic = controlTopic(underPointer, true); !topic.isEmpty())
        return topic;
    if (isAlgorithmList(focus) || (!focus && isAlgorithmList(underPointer))) {
        const AlgorithmText &text = session.algorithm();
        return text.hasCurrentLine() ? lineTopic(lineKind(text.currentLine())) : QStringLiteral("algorithm");
    }
    if (const QString topic = controlTopic(focus, false); !topic.isEmpty())
        return topic;
    return QString::fromLatin1(HelpPages::indexPage);
}
