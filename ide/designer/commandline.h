#pragma once

#include <QString>
#include <QStringList>

namespace vbhost {

// vbhost [PROJECT.vbp] [--addin PROGID]...
struct CommandLine
{
    QString project;    // empty: start without a project
    QStringList addins; // ProgIDs to load at start, in order, each once
    QString error;      // non-empty when the arguments are unusable
    bool help = false;
};

// arguments excludes the program name.
CommandLine parseCommandLine(const QStringList &arguments);

QString commandLineUsage();

} // namespace vbhost
