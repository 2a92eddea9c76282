#include "world/run/callchainrows.h"

#include "editor/linekind.h"

namespace {

CallChainRow callRow(const CallSite &site, const QStringList &lines)
{
    const QString name =
        site.callRow >= 0 && site.callRow < lines.size() ? callName(lines[site.callRow]) : QString();
    return {QStringLiteral("%1, строка %2").arg(name, QString::number(site.callRow + 1)), site.callRow};
}

} // namespace

std::vector<CallChainRow> callChainRows(const std::vector<CallSite> &chain, const QStringList &lines)
{
    std::vector<CallChainRow> rows;
    const int count = int(chain.size());
    if (count <= callChainShownLimit) {
        for (const CallSite &site : chain)
            rows.push_back(callRow(site, lines));
        return rows;
    }
    for (int i = 0; i < callChainEndRows; ++i)
        rows.push_back(callRow(chain[size_t(i)], lines));
    rows.push_back({QStringLiteral("… ещё %1 …").arg(count - 2 * callChainEndRows), -1});
    for (int i = count - callChainEndRows; i < count; ++i)
        rows.push_back(callRow(chain[size_t(i)], lines));
    return rows;
}
