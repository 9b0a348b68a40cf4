#pragma once

#include "platform/commandline/commandline.h"

#include <QString>
#include <QStringList>

namespace vbhost {

// vbhost [PROJECT.vbp] [--codepage N] [--addin PROGID]... [--choose CAPTION]...
struct CommandLine : commandline::Standard
{
    QString project;      // empty: start without a project
    QStringList addins;   // ProgIDs to load at start, in order, each once
    QStringList commands; // Add-Ins menu commands to choose once an add-in has put them there
    int codePage = 0;     // the project's Windows code page; 0 finds it out
};

// arguments excludes the program name.
CommandLine parseCommandLine(const QStringList &arguments);

QString commandLineUsage();

} // namespace vbhost
