#include "cli/jury/juryfileresult.h"

#include <QHash>

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

void markIdenticalFiles(QList<JuryFileResult> &files)
{
    QHash<QString, QList<qsizetype>> byHash;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!files.at(i).sha256.isEmpty())
            byHash[files.at(i).sha256].append(i);
    }
    for (const QList<qsizetype> &same : std::as_const(byHash)) {
        for (qsizetype i : same) {
            files[i].identicalTo.clear();
            for (qsizetype j : same) {
                if (j != i)
                    files[i].identicalTo.append(files.at(j).file);
            }
        }
    }
}
