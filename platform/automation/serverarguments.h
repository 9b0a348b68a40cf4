#pragma once

#include <QStringList>

namespace automation {

// A server is started as "EXE -Embedding --peer=ADDRESS".
bool isEmbedding(const QStringList &arguments);
// The ADDRESS of --peer=ADDRESS (or of "--peer ADDRESS"); empty when absent.
QString peerAddress(const QStringList &arguments);
// The environment's main window named by --owner-window=ID (decimal); 0 when absent.
quintptr ownerWindow(const QStringList &arguments);

} // namespace automation
