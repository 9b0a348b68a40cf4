#pragma once

#include "platform/automation/value.h"

#include <QString>
#include <functional>
#include <optional>

namespace tolvar {

// Along which axis a layout tool moves controls: Left and Width, or Top and Height.
enum class LayoutAxis { Horizontal, Vertical };
QString positionProperty(LayoutAxis axis);
QString extentProperty(LayoutAxis axis);

// Where a tool says what it needs: the tool window's status text.
using StatusSink = std::function<void(const QString &)>;

// The form being designed and its selected controls, in the host's enumeration order.
struct DesignSelection
{
    automation::Value form;
    automation::Values controls;
};

// Reads the selection from HostApp; a failure on the way (no project, no form being designed)
// is reported and gives nothing.
std::optional<DesignSelection> fetchDesignSelection();

// A property's value of a form or a control, through its Properties; raises what the host
// raises.
automation::Value propertyValue(const automation::Value &object, const QString &name);
double numberProperty(const automation::Value &object, const QString &name);

// Sets a property through the object's Properties collection.
void assignProperty(const automation::Value &object, const QString &name,
                    const automation::Value &value);

// Assigns a computed position as a whole number, halves to even; a control that refuses it (or
// a value out of range) keeps its own.
void assignPosition(const automation::Value &control, const QString &name, double value);

} // namespace tolvar
