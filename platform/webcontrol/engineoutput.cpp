#include "engineoutput.h"

#include <cerrno>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace webcontrol {

namespace {

constexpr qsizetype LongestLine = 4096;

bool harmless(const QByteArray &line)
{
    return line.startsWith("Fontconfig error: Cannot load default config file");
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

// Runs until every process holding the pipe's other end has gone.
void passOn(int from, int to)
{
    QByteArray pending;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buffer, n);
        writeAll(to, EngineOutput::takeShown(pending));
    }
    writeAll(to, EngineOutput::takeRest(pending));
    ::close(from);
    ::close(to);
}

} // namespace

QByteArray EngineOutput::takeShown(QByteArray &pending)
{
    QByteArray shown;
    qsizetype start = 0;
    for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1) {
        const QByteArray line = pending.mid(start, end + 1 - start);
        if (!harmless(line))
            shown += line;
    }
    pending.remove(0, start);
    if (pending.size() > LongestLine)
        shown += std::exchange(pending, QByteArray());
    return shown;
}

QByteArray EngineOutput::takeRest(QByteArray &pending)
{
    QByteArray rest = takeShown(pending);
    if (!harmless(pending))
        rest += pending;
    pending.clear();
    return rest;
}

EngineOutput::EngineOutput()
{
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return;
    const int real = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    const int forReader = real < 0 ? -1 : ::fcntl(real, F_DUPFD_CLOEXEC, 3);
    // fd 2 itself is inherited, whatever the pipe's own descriptors say.
    if (forReader < 0 || ::dup2(pipe[1], STDERR_FILENO) < 0) {
        for (int fd : {pipe[0], pipe[1], real, forReader})
            if (fd >= 0)
                ::close(fd);
        return;
    }
    ::close(pipe[1]);
    m_savedStderr = real;
    std::thread(passOn, pipe[0], forReader).detach();
}

EngineOutput::~EngineOutput()
{
    if (m_savedStderr < 0)
        return;
    ::dup2(m_savedStderr, STDERR_FILENO);
    ::close(m_savedStderr);
}

} // namespace webcontrol
