#pragma once

#include "ide/files/companionfile.h"

#include <QList>
#include <QString>
#include <optional>

class QMimeData;

namespace vbhost {

// Controls on the system clipboard: their form-file text as plain text, for any editor, and
// with where they were copied from and the companion records they name under a type of our
// own, for a designer in this or another vbhost. Ours is a JSON object: "text", "source", and
// "records", each {"file", "offset", "bytes" (Base64)} or {"file", "offset", "problem"}.
struct ClipboardControls
{
    QString text;   // Begin ... End blocks as a form file writes them
    QString source; // where they were copied: see controlSource()
    QList<CompanionRecord> records;
};

inline constexpr char kControlsMimeType[] = "application/x-vbhost-controls";

// This process's form and container, as ClipboardControls::source names them.
QString controlSource(int formId, const QString &containerKey);

QMimeData *controlsMimeData(const ClipboardControls &controls);
// Ours, else plain text made of control blocks; nothing for anything else.
std::optional<ClipboardControls> controlsFromMimeData(const QMimeData *data);

void putControlsOnClipboard(const ClipboardControls &controls);
std::optional<ClipboardControls> controlsOnClipboard();

} // namespace vbhost
