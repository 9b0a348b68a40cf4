#include "screensaverskeleton.h"

#include "platform/automation/object.h"

namespace tolvar {

using automation::Value;

namespace {

void assignAll(const Value &templ, const QList<PropertyAssignment> &assignments)
{
    const Value properties = automation::invoke(templ, QStringLiteral("Properties"));
    for (const PropertyAssignment &a : assignments)
        automation::assign(properties, QStringLiteral("Item"), {a.name}, a.value);
}

} // namespace

const QList<PropertyAssignment> &screenSaverFormProperties()
{
    // The environment matches names without regard to case; they are passed as they always were.
    static const QList<PropertyAssignment> list = {
        {QStringLiteral("borderstyle"), Value(qint16(0))},
        {QStringLiteral("Controlbox"), Value(false)},
        {QStringLiteral("Caption"), Value(QString())},
        {QStringLiteral("Height"), Value(qint16(3400))},
        {QStringLiteral("Name"), Value(QStringLiteral("scnsvr"))},
        {QStringLiteral("Width"), Value(qint16(4300))},
        {QStringLiteral("Left"), Value(qint16(2000))},
        {QStringLiteral("Top"), Value(qint16(2000))},
        {QStringLiteral("WindowState"), Value(qint16(2))},
    };
    return list;
}

const QList<PropertyAssignment> &exitTimerProperties()
{
    static const QList<PropertyAssignment> list = {
        {QStringLiteral("name"), Value(QStringLiteral("tmrExitNotify"))},
        {QStringLiteral("enabled"), Value(false)},
        {QStringLiteral("left"), Value(qint16(10))},
        {QStringLiteral("top"), Value(qint16(10))},
        {QStringLiteral("interval"), Value(qint16(1))},
    };
    return list;
}

void buildScreenSaverSkeleton(const Value &application, const QString &modulePath)
{
    const Value project = automation::invoke(application, QStringLiteral("ActiveProject"));
    const Value form = automation::invoke(project, QStringLiteral("AddFormTemplate"));
    assignAll(form, screenSaverFormProperties());
    const Value controls = automation::invoke(form, QStringLiteral("ControlTemplates"));
    const Value timer = automation::invoke(controls, QStringLiteral("Add"), {Value("Timer")});
    assignAll(timer, exitTimerProperties());
    automation::invoke(form, QStringLiteral("InsertFile"), {modulePath});
}

} // namespace tolvar
