#pragma once

#include "object.h"

#include <QDBusMessage>
#include <functional>
#include <memory>

namespace automation {

class PeerConnection;

// The peer's object at one path. Invoke, Assign and Enumerate wait for the reply, as automation
// clients do; the *Async forms never wait and report on the GUI thread. A dead peer raises
// Error::disconnected(); an error reply raises its number and description.
class RemoteObject : public Object
{
public:
    RemoteObject(std::shared_ptr<PeerConnection> connection, QString path);

    Value Invoke(const QString &member, const Values &args) override;
    void Assign(const QString &member, const Values &args, const Value &value) override;
    Values Enumerate() override;

    void invokeAsync(const QString &member, const Values &args,
                     std::function<void(const Value &)> onResult,
                     std::function<void(const Error &)> onError);
    void assignAsync(const QString &member, const Values &args, const Value &value,
                     std::function<void()> onDone, std::function<void(const Error &)> onError);
    void enumerateAsync(std::function<void(const Values &)> onResult,
                        std::function<void(const Error &)> onError);

    QString path() const { return m_path; }
    PeerConnection *connection() const { return m_connection.get(); }

private:
    QDBusMessage message(const char *method) const;

    std::shared_ptr<PeerConnection> m_connection;
    QString m_path;
};

} // namespace automation
