#include "help/helpexample.h"

#include "editor/algorithmline.h"
#include "editor/linekind.h"

QStringList HelpExample::lines() const
{
    QStringList all = algorithmSkeleton(true);
    const int end = int(all.size()) - 1;
    for (int i = 0; i < body.size(); ++i)
        all.insert(end + i, body.at(i));
    return all + procedures;
}
