#include "commandline.h"

namespace vbhost {

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.help = true;
        } else if (arg == QLatin1String("--addin") || arg.startsWith(QLatin1String("--addin="))) {
            QString progId;
            if (arg.contains(QLatin1Char('='))) {
                progId = arg.section(QLatin1Char('='), 1);
            } else if (i + 1 < arguments.size()) {
                progId = arguments.at(++i);
            }
            progId = progId.trimmed();
            if (progId.isEmpty() || progId.startsWith(QLatin1String("--"))) {
                result.error = QStringLiteral("--addin needs a ProgID, as in --addin "
                                              "VantixTolvarAddIn.connect");
                return result;
            }
            // The same add-in twice would connect it twice; ProgIDs ignore case.
            bool known = false;
            for (const QString &p : std::as_const(result.addins))
                known = known || p.compare(progId, Qt::CaseInsensitive) == 0;
            if (!known)
                result.addins << progId;
        } else if (arg.startsWith(QLatin1String("-"))) {
            // Qt's own options (-platform, -style...) are taken out before we get here.
            result.error = QStringLiteral("Unknown option %1").arg(arg);
            return result;
        } else if (result.project.isEmpty()) {
            result.project = arg;
        } else {
            result.error = QStringLiteral("Only one project can be opened at a time: %1 and %2")
                               .arg(result.project, arg);
            return result;
        }
    }
    return result;
}

QString commandLineUsage()
{
    return QStringLiteral("Usage: vbhost [PROJECT.vbp] [--addin PROGID]...\n"
                          "Opens a Visual Basic 4 project in the design environment. Each "
                          "--addin loads that add-in at start, as if it were checked in the "
                          "Add-In Manager.\n");
}

} // namespace vbhost
