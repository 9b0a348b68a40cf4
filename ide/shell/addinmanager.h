#pragma once

#include "platform/automation/object.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

namespace automation {
class ServerLauncher;
}

namespace vbhost {

class Workspace;

// The add-ins the environment knows (keys of section Add-Ins32 of VB.INI) and the ones running.
// Loading starts the add-in's server, creates its object and calls ConnectAddIn(application);
// unloading calls DisconnectAddIn(0). Neither waits: replies and failures arrive later, and an
// add-in that crashes, hangs or exits never takes the environment with it. The loaded state goes
// back to VB.INI as "1" or "0" when the user loads or unloads; an add-in that ends by itself
// leaves it as it was (one that never connected is marked "0").
class AddInManager : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Unloaded, // not running (never started, unloaded, failed or gone)
        Starting, // server started, ConnectAddIn not answered yet
        Loaded,   // ConnectAddIn answered
        Unloading // DisconnectAddIn sent, waiting for the process to end
    };
    Q_ENUM(State)

    explicit AddInManager(Workspace &workspace, QObject *parent = nullptr);
    // Ends every connection without touching VB.INI: what was loaded stays marked to load.
    ~AddInManager() override;

    static QString iniFile() { return QStringLiteral("VB.INI"); }
    static QString section() { return QStringLiteral("Add-Ins32"); }

    // Why VB.INI cannot serve (a FIFO, a device or a folder stands in its place); empty when
    // it can. Such a file is never opened, so nothing waits on it.
    QString iniProblem() const;
    // ProgIDs listed in VB.INI, in file order.
    QStringList registered() const;
    // Those whose VB.INI value is 1.
    QStringList markedLoaded() const;
    // What the add-in is called, as its registration in CLASSES.INI describes it; empty when
    // it gives no description.
    QString description(const QString &progId) const;
    // Adds the key with "0" when VB.INI lacks it; false when the file cannot be written.
    bool registerAddIn(const QString &progId);

    State state(const QString &progId) const;
    bool isRunning(const QString &progId) const; // Starting or Loaded
    // Why the last load failed or the add-in went away; empty when it did not.
    QString lastError(const QString &progId) const;
    qint64 processId(const QString &progId) const; // 0 when not running
    // The add-in's connect object while it runs; null otherwise.
    automation::ObjectPtr addInObject(const QString &progId) const;

    void load(const QString &progId);
    void unload(const QString &progId);
    // Calls DisconnectAddIn on every running add-in and waits for their processes to end, at
    // most timeout; one still running then is killed. VB.INI is left as it is, so the add-ins
    // load again next time. For quitting and closing the project.
    void disconnectAll(int milliseconds = 3000);
    // Loads or unloads to match the wanted states (ProgID -> loaded).
    void apply(const QHash<QString, bool> &wanted);

    // The main window the add-ins' windows stay above (its native id); 0 for none.
    void setOwnerWindow(quintptr id) { m_ownerWindow = id; }

    // How long an unloading add-in may take before its process is killed.
    void setUnloadTimeout(int milliseconds) { m_unloadTimeout = milliseconds; }

signals:
    void stateChanged(const QString &progId, vbhost::AddInManager::State state);
    // A load that failed or an add-in that went away without being unloaded.
    void addInFailed(const QString &progId, const QString &message);

private:
    struct Server;
    Server *find(const QString &progId) const;
    void setState(Server *server, State state);
    void serverCreated(Server *server, const automation::ObjectPtr &object);
    void serverEnded(Server *server, const QString &why);
    void connectionLost(Server *server, quint64 generation);
    void writeLoaded(const QString &progId, bool loaded);
    void retire(std::unique_ptr<automation::ServerLauncher> launcher);
    void disconnectServer(Server *server);
    bool anyProcessRunning() const;

    Workspace &m_workspace;
    QHash<QString, std::shared_ptr<Server>> m_servers; // keyed by lower-case ProgID
    std::vector<std::unique_ptr<automation::ServerLauncher>> m_retired;
    int m_unloadTimeout = 5000;
    quintptr m_ownerWindow = 0;
};

} // namespace vbhost
