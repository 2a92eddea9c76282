#pragma once

#include <QString>

#include <optional>

// The control that takes the keyboard focus after an edit.
enum class EditorFocus {
    Unchanged,
    IfButton,     // PPButtonIf
    WhileButton,  // PPButtonWhile
    ProcButton,   // PPButtonProc
    DoProcButton, // PPButtonDoProc
};

enum class StatisticsUpdate {
    None,
    Recount, // updateStatistics over the new text
    Reset,   // the fixed rows of the bare skeleton
};

// What an edit asks of the window besides the text itself. The lines and the
// current row are already changed in the AlgorithmText (the list shows that model);
// everything else is for the window to apply, so the window holds no editing rules.
struct EditOutcome
{
    // The text or the current row changed.
    bool changed = false;
    // The row to show at the top of the list, when the edit scrolls. It may be
    // negative or past the last page; the list clamps it.
    std::optional<int> topRow;
    StatisticsUpdate statistics = StatisticsUpdate::None;
    // The stage item "Отладка" becomes enabled.
    bool enablesDebugging = false;
    EditorFocus focus = EditorFocus::Unchanged;
    // The procedure panel closes and both procedure buttons are enabled again.
    bool closesProcedurePanel = false;
    // The list of procedure names changed and must be shown again.
    bool procedureNamesChanged = false;
    // An information message to show in a modal box with a single OK; empty when none.
    QString message;
};
