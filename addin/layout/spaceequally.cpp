#include "spaceequally.h"

#include "addin/runtime/traps.h"

#include <algorithm>

namespace tolvar {

using automation::Value;

namespace {

struct Span
{
    Value control;
    double position;
    double extent;
};

} // namespace

void SpaceEqually(LayoutAxis axis, const StatusSink &setStatus)
{
    const std::optional<DesignSelection> selection = fetchDesignSelection();
    if (!selection)
        return;
    const QString position = positionProperty(axis);
    const QString extent = extentProperty(axis);

    // A control whose place cannot be read takes no part.
    QList<Span> spans;
    for (const Value &c : selection->controls)
        IgnoreAndContinue([&] {
            spans.append({c, numberProperty(c, position), numberProperty(c, extent)});
        });
    if (spans.size() < 3) {
        setStatus(SelectThreeText);
        return;
    }
    std::stable_sort(spans.begin(), spans.end(),
                     [](const Span &a, const Span &b) { return a.position < b.position; });

    double extents = 0;
    for (const Span &s : spans)
        extents += s.extent;
    const Span &first = spans.front();
    const Span &last = spans.back();
    const double gap =
        (last.position + last.extent - first.position - extents) / double(spans.size() - 1);

    // Each place from the first control's, so that rounding never adds up.
    double before = first.extent;
    for (qsizetype k = 1; k + 1 < spans.size(); ++k) {
        assignPosition(spans[k].control, position, first.position + before + double(k) * gap);
        before += spans[k].extent;
    }
}

} // namespace tolvar
