// helpview FILE --contents | FILE --context N: shows a help file in the user's one viewer for it.
#include "helprequest.h"
#include "helpwindow.h"
#include "singleinstance.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Answered before the application object exists, so that --help needs no display.
    const helpview::CommandLine commandLine =
        helpview::parseCommandLine(commandline::arguments(argc, argv).mid(1));
    if (const auto exitCode = commandline::answer(commandLine, QStringLiteral("helpview"),
                                                  helpview::commandLineUsage()))
        return *exitCode;
    const helpview::HelpRequest &request = commandLine.request;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tolvar"));
    QApplication::setApplicationName(QStringLiteral("helpview"));
    QApplication::setApplicationVersion(commandline::version());

    helpview::SingleInstance instance;
    QString warning;
    if (instance.claim(request, &warning) == helpview::SingleInstance::Forwarded)
        return 0;
    if (!warning.isEmpty())
        std::fprintf(stderr, "helpview: %s\n", qPrintable(warning));

    helpview::HelpWindow window(request.file);
    QObject::connect(&instance, &helpview::SingleInstance::requestReceived, &window,
                     &helpview::HelpWindow::showRequest);
    window.show();
    window.showRequest(request);
    return app.exec();
}
