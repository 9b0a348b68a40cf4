#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vbhost {

// The one run of lines an edit replaced: lines [begin, oldEnd) before it are lines
// [begin, newEnd) after it; the lines around the run are the same.
struct LineChange
{
    int begin = 0;
    int oldEnd = 0;
    int newEnd = 0;

    bool isEmpty() const { return begin == oldEnd && begin == newEnd; }
};

LineChange lineChange(const QStringList &before, const QStringList &after);

// Both sides' edits of the same text, when they touch different lines: `ours` (typed in the code
// window since the text was `base`) and `theirs` (what an add-in or an undo made of it meanwhile).
// Nothing when both changed the same lines.
std::optional<QString> mergeLineEdits(const QString &base, const QString &ours,
                                      const QString &theirs);

} // namespace vbhost
