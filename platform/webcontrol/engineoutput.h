#pragma once

#include <QByteArray>

namespace webcontrol {

// What the engine's own processes write on standard error, less what is known to be harmless.
// Their sandbox keeps the system's font configuration out of sight, so each page process that
// asks for the default font says so once; the engine then uses its built-in fallback.
class EngineOutput
{
public:
    // The complete lines of `pending` that are worth showing; what is left of `pending` is an
    // unfinished line. A line longer than any message is passed on as it stands.
    static QByteArray takeShown(QByteArray &pending);
    // Whatever `pending` holds, once nothing more will come.
    static QByteArray takeRest(QByteArray &pending);

    // For as long as this lives, processes started here write their standard error into a pipe
    // whose reader passes on takeShown() to the real standard error; this process's own output
    // and later processes are untouched. Processes started in that time keep the pipe: it is
    // meant for the engine's start, when it launches the processes that make all the others.
    EngineOutput();
    ~EngineOutput();
    EngineOutput(const EngineOutput &) = delete;
    EngineOutput &operator=(const EngineOutput &) = delete;

private:
    int m_savedStderr = -1;
};

} // namespace webcontrol
