#include "commandline.h"

#include "ide/files/codepage.h"

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
        } else if (arg == QLatin1String("--codepage") ||
                   arg.startsWith(QLatin1String("--codepage="))) {
            QString number;
            if (arg.contains(QLatin1Char('=')))
                number = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                number = arguments.at(++i);
            bool ok = false;
            result.codePage = number.trimmed().toInt(&ok);
            if (!ok || !CodePage::fromNumber(result.codePage)) {
                QStringList known;
                for (int n : CodePage::numbers())
                    known << QString::number(n);
                result.error = QStringLiteral("--codepage needs a Windows code page: %1")
                                   .arg(known.join(QStringLiteral(", ")));
                return result;
            }
        } else if (arg == QLatin1String("--choose") || arg.startsWith(QLatin1String("--choose="))) {
            QString caption;
            if (arg.contains(QLatin1Char('=')))
                caption = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                caption = arguments.at(++i);
            if (caption.trimmed().isEmpty() || caption.startsWith(QLatin1String("--"))) {
                result.error = QStringLiteral("--choose needs the caption of an Add-Ins menu "
                                              "command");
                return result;
            }
            result.commands << caption;
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
    return QStringLiteral("Usage: vbhost [PROJECT.vbp] [--codepage N] [--addin PROGID]... "
                          "[--choose CAPTION]...\n"
                          "Opens a Visual Basic 4 project in the design environment. "
                          "--codepage reads its files in that Windows code page (1252, 932, 936, "
                          "949, 950, 1250-1258); without it the code page is found out. Each "
                          "--addin loads that add-in at start, as if it were checked in the "
                          "Add-In Manager. Each --choose chooses that command of the Add-Ins "
                          "menu as soon as an add-in has added it.\n");
}

} // namespace vbhost
