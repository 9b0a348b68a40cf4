#include "startup.h"

#include "traps.h"

#include "platform/profile/profile.h"

#include <QDir>

namespace tolvar {

void StartUp()
{
    ReportAndLeave([] {
        const QString section = QStringLiteral("Add-Ins32");
        const QString file = QStringLiteral("VB.INI");
        const QString notFound = QStringLiteral("NotFound");
        // Twelve characters of reply and the terminator: a longer value is cut to twelve.
        QString returned(12, QChar(0));
        const int n =
            profile::GetPrivateProfileString(section, AddInProgId, notFound, returned, 13, file);
        if (returned.left(n) != notFound)
            return;
        // A registration that could not be written would leave the add-in missing from the
        // environment's list without a word, so a failed write is reported.
        if (!profile::WritePrivateProfileString(section, AddInProgId, QStringLiteral("0"), file))
            throw automation::Error(75, QStringLiteral("Path/File access error: ") +
                                            QDir::toNativeSeparators(profile::resolvePath(file)));
    });
}

} // namespace tolvar
