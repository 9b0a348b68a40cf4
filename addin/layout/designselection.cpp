#include "designselection.h"

#include "addin/runtime/hostapp.h"
#include "addin/runtime/traps.h"

#include "platform/automation/object.h"
#include "platform/basic/basic.h"

namespace tolvar {

using automation::Value;

QString positionProperty(LayoutAxis axis)
{
    return axis == LayoutAxis::Horizontal ? QStringLiteral("Left") : QStringLiteral("Top");
}

QString extentProperty(LayoutAxis axis)
{
    return axis == LayoutAxis::Horizontal ? QStringLiteral("Width") : QStringLiteral("Height");
}

std::optional<DesignSelection> fetchDesignSelection()
{
    std::optional<DesignSelection> result;
    ReportAndLeave([&] {
        const Value project = automation::invoke(HostApp, QStringLiteral("ActiveProject"));
        const Value form = automation::invoke(project, QStringLiteral("ActiveForm"));
        const Value selection =
            automation::invoke(form, QStringLiteral("SelectedControlTemplates"));
        result = DesignSelection{form, automation::enumerate(selection)};
    });
    return result;
}

Value propertyValue(const Value &object, const QString &name)
{
    const Value property = automation::invoke(object, QStringLiteral("Properties"), {name});
    return automation::invoke(property, QStringLiteral("Value"));
}

double numberProperty(const Value &object, const QString &name)
{
    return propertyValue(object, name).toDouble();
}

void assignProperty(const Value &object, const QString &name, const Value &value)
{
    const Value properties = automation::invoke(object, QStringLiteral("Properties"));
    automation::assign(properties, QStringLiteral("Item"), {name}, value);
}

void assignPosition(const Value &control, const QString &name, double value)
{
    IgnoreAndContinue([&] { assignProperty(control, name, Value(basic::toLong(value))); });
}

} // namespace tolvar
