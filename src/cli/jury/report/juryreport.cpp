#include "cli/jury/report/juryreport.h"

#include "cli/jury/juryjudge.h"

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
    return matchingPass(referencePasses, pass);
}
