#pragma once

#include <QList>
#include <QString>

namespace vbhost {

struct EventInfo
{
    QString name;       // "KeyPress"
    QString parameters; // "KeyAscii As Integer"; empty for none
};

// The events of one standard class, in alphabetical order, and the one a new object's code
// starts with.
struct ClassEvents
{
    QString className;
    QList<EventInfo> events;
    QString defaultEvent;

    const EventInfo *find(const QString &event) const; // without regard to case
};

// A standard control class ("CommandButton"), a form-shaped document ("Form", "MDIForm",
// "UserControl", "PropertyPage", "UserDocument") or "Class"; null for any other class.
const ClassEvents *classEvents(const QString &className);

// An event procedure as the environment writes it: header, a blank line, End Sub; a control
// array's procedures take the Index first.
QString eventStub(const QString &objectName, const EventInfo &event, bool isArray);

} // namespace vbhost
