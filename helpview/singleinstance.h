#pragma once

#include "helprequest.h"

#include <QObject>

class QLocalServer;

namespace helpview {

// One viewer per help file and user. The first process to claim a file listens on its socket;
// a later one hands its request over and leaves.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum Role { Viewer, Forwarded };

    explicit SingleInstance(QObject *parent = nullptr);

    // Forwarded when a running viewer took `request`; otherwise this process is the viewer and
    // listens from now on. When no private folder can be had, `warning` says so and the process
    // views alone.
    Role claim(const HelpRequest &request, QString *warning);

signals:
    void requestReceived(const helpview::HelpRequest &request);

private:
    void serve();

    QLocalServer *m_server = nullptr;
    QString m_file;
};

} // namespace helpview
