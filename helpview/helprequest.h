#pragma once

#include "platform/commandline/commandline.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace helpview {

// What the viewer is asked to show: the file's contents topic or the topic of a context number.
struct HelpRequest
{
    QString file;
    bool contents = true;
    qint64 context = 0; // a 32-bit number, signed or not

    bool operator==(const HelpRequest &) const = default;
};

// `FILE --contents` or `FILE --context N`, or a standard request such as --help.
struct CommandLine : commandline::Standard
{
    HelpRequest request;
};

// arguments excludes the program name.
CommandLine parseCommandLine(const QStringList &arguments);

QString commandLineUsage();

// One request as one line on the instance socket, and back; the file is implied by the socket.
QByteArray encodeRequest(const HelpRequest &request);
std::optional<HelpRequest> decodeRequest(const QByteArray &line, const QString &file);

} // namespace helpview
