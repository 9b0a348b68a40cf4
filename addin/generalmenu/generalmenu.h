#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>

class QIODevice;

namespace tolvar {

// One menu the generator adds: a top-level menu has no parent and no index.
struct GeneralMenuRow
{
    const char *parent; // null for a top-level menu
    const char *name;
    qint16 index; // -1 for a top-level menu
    const char *caption;
    qint16 shortcut; // 0: not set
    qint8 enabled;   // -1: not set
    qint8 checked;   // -1: not set
};

extern const std::array<GeneralMenuRow, 30> GeneralMenuTree;

// Writes the menus' event code to the open file, each line ended by CR LF. A failed write is
// reported and the rest of the code is left out; the file stays open.
void WriteMenuCode(QIODevice &file);

// The Form menu's "Add general menu ": gives the form being designed a File, Edit, View and
// Help menu bar and the code that answers it. Runs for element 0 only; setStatus receives the
// progress texts. Any failure is reported and ends the run, keeping what was done.
void CreateGeneralMenu(qint16 index, const std::function<void(const QString &)> &setStatus);

inline const QString CreatingMenusText = QStringLiteral("Creating Menus...");
inline const QString WritingCodeText = QStringLiteral("Writing Code...");

} // namespace tolvar
