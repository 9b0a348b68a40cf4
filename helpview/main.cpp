// helpview FILE --contents | FILE --context N: shows a help file in the user's one viewer for it.
#include "helprequest.h"
#include "helpwindow.h"
#include "singleinstance.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tolvar"));
    QApplication::setApplicationName(QStringLiteral("helpview"));

    QString error;
    const auto request = helpview::parseArguments(QApplication::arguments().mid(1), &error);
    if (!request) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }

    helpview::SingleInstance instance;
    QString warning;
    if (instance.claim(*request, &warning) == helpview::SingleInstance::Forwarded)
        return 0;
    if (!warning.isEmpty())
        std::fprintf(stderr, "helpview: %s\n", qPrintable(warning));

    helpview::HelpWindow window(request->file);
    QObject::connect(&instance, &helpview::SingleInstance::requestReceived, &window,
                     &helpview::HelpWindow::showRequest);
    window.show();
    window.showRequest(*request);
    return app.exec();
}
