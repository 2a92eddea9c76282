#pragma once

#include <QtGlobal>

#include <limits>

// Bounds on each pass of a run that no one stops by hand (the checker, the jury, the
// reference run). Once a pass has made `highlights` highlights, or its machine `steps`
// steps, a stop is requested exactly as the stop button requests one. 0: no bound.
struct RunLimits
{
    // More steps than any pass makes per highlight: a pass that reaches the step bound
    // before the highlight bound works without showing it.
    static constexpr qint64 stepsPerHighlight = 16;

    qint64 highlights = 0;
    qint64 steps = 0;

    static RunLimits forHighlights(qint64 highlights)
    {
        // A highlight bound too large for its steps to be counted has no step bound.
        const bool fits =
            highlights > 0 && highlights <= std::numeric_limits<qint64>::max() / stepsPerHighlight;
        return {highlights, fits ? highlights * stepsPerHighlight : 0};
    }
};
