#include "aligncontrols.h"

#include "addin/runtime/hostapp.h"
#include "addin/runtime/traps.h"

#include "platform/automation/object.h"
#include "platform/basic/basic.h"

#include <optional>

namespace tolvar {

using automation::Value;
using automation::Values;

namespace {

Value propertyValue(const Value &control, const QString &name)
{
    const Value property = automation::invoke(control, QStringLiteral("Properties"), {name});
    return automation::invoke(property, QStringLiteral("Value"));
}

Value itemValue(const Value &properties, const QString &name)
{
    return automation::invoke(automation::invoke(properties, QStringLiteral("Item"), {name}),
                              QStringLiteral("Value"));
}

void setProperty(const Value &control, const QString &name, const Value &value)
{
    const Value properties = automation::invoke(control, QStringLiteral("Properties"));
    automation::assign(properties, QStringLiteral("Item"), {name}, value);
}

} // namespace

void AlignControls(const QString &AlignPositionProperty, const QString &AlignExtentProperty)
{
    const bool farEdge = !AlignExtentProperty.isEmpty();
    const QString position = AlignPositionProperty;
    const QString extent = AlignExtentProperty;

    Value selection;
    bool fetched = false;
    ReportAndLeave([&] {
        const Value project = automation::invoke(HostApp, QStringLiteral("ActiveProject"));
        const Value form = automation::invoke(project, QStringLiteral("ActiveForm"));
        selection = automation::invoke(form, QStringLiteral("SelectedControlTemplates"));
        fetched = true;
    });
    if (!fetched)
        return;

    qint16 n = 0;
    IgnoreAndContinue(
        [&] { n = automation::invoke(selection, QStringLiteral("Count")).toInteger(); });
    if (n < 2)
        return;

    Values controls(n);
    Values enumerated;
    IgnoreAndContinue([&] { enumerated = automation::enumerate(selection); });

    // The reference edge comes from the first control whose edge can be read, so that controls
    // lying beyond a fixed starting value are still lined up on the outermost of them.
    std::optional<qint32> r;
    qsizetype i = 0;
    for (const Value &c : enumerated) {
        if (i < n)
            controls[i] = c;
        IgnoreAndContinue([&] {
            if (i >= n)
                return;
            if (farEdge) {
                const Value properties =
                    automation::invoke(controls[i], QStringLiteral("Properties"));
                const double sum = itemValue(properties, position).toDouble() +
                                   itemValue(properties, extent).toDouble();
                const qint32 v = basic::toLong(sum);
                if (!r || v > *r)
                    r = v;
            } else {
                const double v = propertyValue(controls[i], position).toDouble();
                if (!r || v < *r)
                    r = basic::toLong(v);
            }
        });
        ++i;
    }
    if (!r)
        return;

    for (qsizetype j = 0; j < n; ++j) {
        IgnoreAndContinue([&] {
            if (farEdge) {
                const double size = propertyValue(controls[j], extent).toDouble();
                setProperty(controls[j], position, basic::longOrDouble<Value>(double(*r) - size));
            } else {
                setProperty(controls[j], position, Value(*r));
            }
        });
    }
}

} // namespace tolvar
