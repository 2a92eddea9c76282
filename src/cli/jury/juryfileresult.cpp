#include "cli/jury/juryfileresult.h"

#include <QHash>

bool JuryFileResult::isCorrect() const
{
    return isRead() && isAlgorithm() && !passes.isEmpty() && firstFailure() == nullptr;
}

int JuryFileResult::correctPassCount() const
{
    int count = 0;
    for (const TestPass &pass : passes)
        count += pass.isCorrect ? 1 : 0;
    return count;
}

const TestPass *JuryFileResult::firstFailure() const
{
    for (const TestPass &pass : passes) {
        if (!pass.isCorrect)
            return &pass;
    }
    return nullptr;
}

void JuryFileResult::dropTraces()
{
    for (TestPass &pass : passes) {
        pass.trace.clear();
        pass.trace.squeeze();
    }
}

QList<QStringList> identicalFiles(const QStringList &files, const QStringList &sha256s)
{
    QHash<QString, QList<qsizetype>> byHash;
    for (qsizetype i = 0; i < sha256s.size(); ++i) {
        if (!sha256s.at(i).isEmpty())
            byHash[sha256s.at(i)].append(i);
    }
    QList<QStringList> identical(files.size());
    for (const QList<qsizetype> &same : std::as_const(byHash)) {
        for (qsizetype i : same) {
            for (qsizetype j : same) {
                if (j != i)
                    identical[i].append(files.at(j));
            }
        }
    }
    return identical;
}

QList<int> identicalGroups(const QStringList &sha256s)
{
    QHash<QString, int> counts;
    for (const QString &hash : sha256s) {
        if (!hash.isEmpty())
            ++counts[hash];
    }
    QHash<QString, int> numbers;
    QList<int> groups;
    groups.reserve(sha256s.size());
    for (const QString &hash : sha256s) {
        if (hash.isEmpty() || counts.value(hash) < 2) {
            groups.append(0);
            continue;
        }
        const auto found = numbers.constFind(hash);
        groups.append(found != numbers.constEnd() ? *found : *numbers.insert(hash, int(numbers.size()) + 1));
    }
    return groups;
}
