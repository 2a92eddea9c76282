#include "judge/referencealgorithm.h"

#include "editor/algorithmfile.h"

ReferenceAlgorithm readReferenceAlgorithm(const QString &file)
{
    const AlgorithmFileResult read = readAlgorithmFile(file);
    if (!read.isOk())
        return {{}, {}, read.error};
    if (const QString reason = notAlgorithmReason(read.lines, read.bytes); !reason.isEmpty())
        return {{}, {}, QStringLiteral("эталон ") + file + QStringLiteral(" — не алгоритм: ") + reason};
    return {read.lines, read.bytes, {}};
}
