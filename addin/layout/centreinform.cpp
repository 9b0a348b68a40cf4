#include "centreinform.h"

#include "addin/runtime/traps.h"

#include "platform/basic/basic.h"

#include <algorithm>

namespace tolvar {

using automation::Value;

void CentreInForm(LayoutAxis axis, const StatusSink &setStatus)
{
    const std::optional<DesignSelection> selection = fetchDesignSelection();
    if (!selection)
        return;
    const QString position = positionProperty(axis);
    const QString extent = extentProperty(axis);

    QList<std::pair<Value, double>> placed;
    std::optional<double> near;
    std::optional<double> far;
    for (const Value &c : selection->controls) {
        IgnoreAndContinue([&] {
            const double p = numberProperty(c, position);
            const double e = numberProperty(c, extent);
            placed.append({c, p});
            near = std::min(near.value_or(p), p);
            far = std::max(far.value_or(p + e), p + e);
        });
    }
    if (placed.isEmpty()) {
        setStatus(SelectOneText);
        return;
    }

    std::optional<double> inside;
    ReportAndLeave([&] {
        inside = numberProperty(selection->form, axis == LayoutAxis::Horizontal
                                                     ? QStringLiteral("ScaleWidth")
                                                     : QStringLiteral("ScaleHeight"));
    });
    if (!inside)
        return;

    // Whole even when the host gives fractions, so the controls keep their distances exactly.
    const double offset =
        basic::roundHalfEven(basic::roundHalfEven((*inside - (*far - *near)) / 2) - *near);
    if (offset == 0)
        return;
    for (const auto &[control, p] : placed)
        IgnoreAndContinue(
            [&] { assignProperty(control, position, basic::longOrDouble<Value>(p + offset)); });
}

} // namespace tolvar
