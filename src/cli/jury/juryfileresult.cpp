#include "cli/jury/juryfileresult.h"

bool JuryFileResult::isCorrect() const
{
    return isRead() && isAlgorithm() && !passes.isEmpty() && firstFailure() == nullptr;
}

int JuryFileResult::correctPassCount() const
{
    int count = 0;
    for (const JuryPass &pass : passes)
        count += pass.correct ? 1 : 0;
    return count;
}

const JuryPass *JuryFileResult::firstFailure() const
{
    for (const JuryPass &pass : passes) {
        if (!pass.correct)
            return &pass;
    }
    return nullptr;
}

void JuryFileResult::dropTraces()
{
    const JuryPass *failure = firstFailure();
    for (JuryPass &pass : passes) {
        if (&pass != failure) {
            pass.trace.clear();
            pass.trace.squeeze();
        }
    }
}
