#pragma once

#include "classfactory.h"
#include "peerconnection.h"
#include "serverarguments.h"

namespace automation {

// Registers every class of factory as served by exePath in the class registry.
bool registerClasses(const ClassFactory &factory, const QString &exePath);

// Connects to the environment at address and exports factory at /ClassFactory. The application
// quits when the connection closes, as an embedded server ends with its client. Throws Error when
// the connection cannot be made.
std::shared_ptr<PeerConnection> serveEmbedding(const QString &address,
                                               const std::shared_ptr<ClassFactory> &factory);

} // namespace automation
