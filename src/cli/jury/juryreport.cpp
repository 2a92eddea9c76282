#include "cli/jury/juryreport.h"

int JuryReport::correctFileCount() const
{
    int count = 0;
    for (const JuryFileResult &file : files)
        count += file.isCorrect() ? 1 : 0;
    return count;
}

int JuryReport::unreadFileCount() const
{
    int count = 0;
    for (const JuryFileResult &file : files)
        count += file.isRead() ? 0 : 1;
    return count;
}

const JuryPass *JuryReport::referencePass(const JuryPass &pass) const
{
    for (const JuryPass &candidate : referencePasses) {
        if (candidate.fieldSize == pass.fieldSize && candidate.arrangement == pass.arrangement)
            return &candidate;
    }
    return nullptr;
}
