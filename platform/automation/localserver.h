#pragma once

#include "classfactory.h"
#include "peerconnection.h"

#include <QStringList>

namespace automation {

// A server is started as "EXE -Embedding --peer=ADDRESS".
bool isEmbedding(const QStringList &arguments);
// The ADDRESS of --peer=ADDRESS (or of "--peer ADDRESS"); empty when absent.
QString peerAddress(const QStringList &arguments);
// The environment's main window named by --owner-window=ID (decimal); 0 when absent.
quintptr ownerWindow(const QStringList &arguments);

// Registers every class of factory as served by exePath in the class registry.
bool registerClasses(const ClassFactory &factory, const QString &exePath);

// Connects to the environment at address and exports factory at /ClassFactory. The application
// quits when the connection closes, as an embedded server ends with its client. Throws Error when
// the connection cannot be made.
std::shared_ptr<PeerConnection> serveEmbedding(const QString &address,
                                               const std::shared_ptr<ClassFactory> &factory);

} // namespace automation
