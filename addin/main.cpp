// tolvar: the add-in's automation server. Run plainly it registers itself and returns; run by
// the environment as "tolvar -Embedding --peer=ADDRESS" it serves the connect class until the
// add-in is unloaded or the environment goes away.
//
// TOLVAR_FAKE_UI=FILE: message boxes and the other modal dialogs are written to FILE instead of
// being shown (see platform/ui/recordingservices.h), for driving the add-in from another process.

#include "addin/forms.h"
#include "addin/host/connect.h"
#include "addin/host/hostapp.h"
#include "addin/host/startup.h"
#include "addin/registering.h"
#include "addin/toolwindow/formregistry.h"
#include "addin/toolwindow/toolwindowloader.h"

#include "platform/automation/localserver.h"
#include "platform/ui/ownerwindow.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/recordingservices.h"

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    // Registering from a terminal, a script or a package hook must be quick and need no display.
    if (!automation::isEmbedding(rawArguments))
        return tolvar::RunRegistering(argc, argv);

    // The browser's web engine shares its GL contexts with the application's; this must be said
    // before the application object exists, though the engine itself starts with the first
    // browser window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvar"));
    // Without its tool window the server still serves the environment.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString appTitle = QStringLiteral("Tolvar");
    const QString fakeUi = qEnvironmentVariable("TOLVAR_FAKE_UI");
    std::unique_ptr<ui::Services> services;
    if (!fakeUi.isEmpty())
        services = std::make_unique<ui::RecordingServices>(fakeUi, appTitle);
    else
        services = std::make_unique<ui::QtServices>(appTitle);
    ui::setServices(services.get());

    auto factory = std::make_shared<automation::ClassFactory>();
    factory->registerClass(tolvar::AddInProgId, [] { return std::make_shared<tolvar::Connect>(); });
    if (!automation::registerClasses(*factory, QApplication::applicationFilePath()))
        std::fprintf(stderr, "tolvar: could not register its class in CLASSES.INI\n");

    tolvar::StartUp();

    const QStringList arguments = QApplication::arguments();
    ui::ownWindowsBy(automation::ownerWindow(arguments));

    // What AfterClick runs to load the tool window, and the windows it shows; installed here only.
    tolvar::defineAddInForms(tolvar::forms());
    tolvar::setToolWindowLoader(tolvar::LoadToolWindow);

    std::shared_ptr<automation::PeerConnection> peer;
    try {
        peer = automation::serveEmbedding(automation::peerAddress(arguments), factory);
    } catch (const automation::Error &e) {
        std::fprintf(stderr, "tolvar: %s\n", qPrintable(e.description()));
        return 1;
    }
    const int exitCode = QApplication::exec();
    // The environment's objects go with the connection, before the application object does.
    tolvar::HostApp = automation::Value();
    return exitCode;
}
