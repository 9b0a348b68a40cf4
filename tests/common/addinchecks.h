#pragma once

// What tests of loading add-ins look at: an add-in's entry in VB.INI and whether its server
// process still runs.

#include "platform/profile/profile.h"

#include <QFile>
#include <QString>

namespace tolvar::testing {

// The add-in's value in section Add-Ins32, or "(none)".
inline QString vbIni(const QString &key)
{
    QString value;
    profile::GetPrivateProfileString(QStringLiteral("Add-Ins32"), key, QStringLiteral("(none)"),
                                     value, 64, QStringLiteral("VB.INI"));
    return value;
}

// Running and not a zombie waiting for its parent.
inline bool processAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    return !stat.readAll().contains(") Z ");
}

} // namespace tolvar::testing
