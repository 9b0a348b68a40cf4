// tolvar: the add-in's automation server. Run plainly it registers itself and returns; run by
// the environment as "tolvar -Embedding --peer=ADDRESS" it serves the connect class until the
// add-in is unloaded or the environment goes away. The executable needs QtCore alone: what
// serves the environment, and every window, is in the serving library beside it.

#include "addin/commandline.h"
#include "addin/registering.h"
#include "addin/serverloader.h"
#include "addin/servermodule.h"

#include "platform/automation/serverarguments.h"

#include <QStringList>

int main(int argc, char **argv)
{
    if (const auto exitCode = tolvar::AnswerCommandLine(argc, argv))
        return *exitCode;
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    // Registering from a terminal, a script or a package hook must be quick and need no display.
    if (!automation::isEmbedding(rawArguments))
        return tolvar::RunRegistering(argc, argv);

    auto serve = reinterpret_cast<tolvar::ServeFunction>(tolvar::serverEntry(tolvar::ServeSymbol));
    return serve ? serve(argc, argv) : 1;
}
