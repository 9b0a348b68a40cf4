#pragma once

#include <QList>
#include <QString>

// The add-in's windows and its serving part live in a library of their own beside the
// executable, so that a registering run maps QtCore alone. These are the two entry points the
// executable looks up in it.
namespace tolvar {

// A message box a registering run kept back until it knew it had one to show.
struct DeferredMessage
{
    QString prompt;
    int buttons = 0;
    QString title;
};

// Serves the environment for "tolvar -Embedding --peer=ADDRESS"; returns the exit code.
using ServeFunction = int (*)(int argc, char **argv);
inline constexpr char ServeSymbol[] = "tolvarServe";

// Shows the messages of a registering run with the real services (a display is there, or the
// interface is recorded to a file).
using ShowMessagesFunction = void (*)(int argc, char **argv,
                                      const QList<DeferredMessage> *messages);
inline constexpr char ShowMessagesSymbol[] = "tolvarShowMessages";

// In a folder of their own: private libraries, not for the dynamic linker's cache.
inline constexpr char ServerModuleName[] = "modules/libtolvar-server.so";

} // namespace tolvar
