#pragma once

#include "platform/automation/value.h"

#include <QList>
#include <QString>

namespace tolvar {

// One property given to a new form or control, by the name handed to the environment.
struct PropertyAssignment
{
    QString name;
    automation::Value value;
};

// The screen-saver form's window properties, in the order they are set.
const QList<PropertyAssignment> &screenSaverFormProperties();
// The exit timer's properties, in the order they are set.
const QList<PropertyAssignment> &exitTimerProperties();

// The support module inserted into the new form's code, found in the add-in folder.
inline const QString ScreenSaverModule = QStringLiteral("kzlsav.MOD");

// Adds the screen-saver form to the application's active project: a new form with the
// properties above, a timer, and the module's text as its code. Raises automation::Error at the
// first failing call; what was added before it stays.
void buildScreenSaverSkeleton(const automation::Value &application, const QString &modulePath);

} // namespace tolvar
