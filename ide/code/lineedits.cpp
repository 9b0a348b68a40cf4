#include "ide/code/lineedits.h"

namespace vbhost {

LineChange lineChange(const QStringList &before, const QStringList &after)
{
    const int oldCount = int(before.size()), newCount = int(after.size());
    int p = 0;
    while (p < oldCount && p < newCount && before[p] == after[p])
        ++p;
    int s = 0;
    while (s < oldCount - p && s < newCount - p &&
           before[oldCount - 1 - s] == after[newCount - 1 - s])
        ++s;
    return {p, oldCount - s, newCount - s};
}

std::optional<QString> mergeLineEdits(const QString &base, const QString &ours,
                                      const QString &theirs)
{
    const QStringList b = base.split(u'\n'), o = ours.split(u'\n'), t = theirs.split(u'\n');
    const LineChange mine = lineChange(b, o), other = lineChange(b, t);
    if (mine.isEmpty())
        return theirs;
    if (other.isEmpty())
        return ours;
    // Apply the later change first, so that the earlier one's line numbers still hold.
    const bool mineFirst = mine.oldEnd <= other.begin && mine.begin < other.begin;
    const bool otherFirst = other.oldEnd <= mine.begin && other.begin < mine.begin;
    if (!mineFirst && !otherFirst)
        return std::nullopt;
    const LineChange &first = mineFirst ? mine : other, &second = mineFirst ? other : mine;
    const QStringList &firstText = mineFirst ? o : t, &secondText = mineFirst ? t : o;
    QStringList out = b;
    out.remove(second.begin, second.oldEnd - second.begin);
    for (int i = second.newEnd - 1; i >= second.begin; --i)
        out.insert(second.begin, secondText[i]);
    out.remove(first.begin, first.oldEnd - first.begin);
    for (int i = first.newEnd - 1; i >= first.begin; --i)
        out.insert(first.begin, firstText[i]);
    return out.join(u'\n');
}

} // namespace vbhost
