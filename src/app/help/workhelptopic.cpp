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
constexpr std::array<std::pair<const char *, const char *>, 20> controlTopics{{
    {"PPPanelSystCom", "editing"}, {"PanelIf", "branch"},         {"PanelWhile", "loop"},
    {"PanelProc", "procedure"},    {"PanelComment", "comment"},   {"PanelPoints", "points"},
    {"pnlPattern", "pattern"},     {"PanelCalls", "calls"},       {"lstComBreakpoints", "breakpoints"},
    {"ComMenu", "editing"},        {"ListStatist", "statistics"}, {"pnlTskNew", "task"},
    {"ToolBarAlg", "run"},         {"PauseStatus", "pause"},      {"pnl1", "field"},
    {"PanelX", "field"},           {"PanelY", "field"},           {"sizeMenu", "sizes"},
    {"MainMenu", "stages"},        {"StatusBar1", "stages"},
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
    if (const QString topic = controlTopic(focus, true); !topic.isEmpty())
        return topic;
    // The selected line is what the pupil works on, whether the keys are in the list or on a
    // button of the command panel that inserted it.
    const AlgorithmText &text = session.algorithm();
    const QString focusTopic = controlTopic(focus, false);
    if (text.hasCurrentLine()
        && (!focus || isAlgorithmList(focus) || focusTopic.isEmpty()
            || focusTopic == QLatin1String("editing")))
        return lineTopic(lineKind(text.currentLine()));
    if (isAlgorithmList(focus))
        return QStringLiteral("algorithm");
    return focusTopic.isEmpty() ? QString::fromLatin1(HelpPages::indexPage) : focusTopic;
}
