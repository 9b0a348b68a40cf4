#pragma once

#include "platform/automation/value.h"

#include <QString>

namespace vbhost {

// How the property list shows a value: True/False for booleans, colours (properties whose name
// ends in "Color") as &H00BBGGRR&, numbers as the files write them.
QString propertyDisplayText(const QString &name, const automation::Value &value);

// What the developer typed, as a value of the property's current type where it reads as one
// ("True", "-1" and "0" for booleans; numbers in decimal, colours also as &H...&). Text that
// does not read as the type stays text, so the workspace can refuse it with its own error.
automation::Value propertyValueFromText(const QString &name, const QString &text,
                                        const automation::Value &current);

} // namespace vbhost
