// The serving part of the add-in, loaded by the executable for "-Embedding" and for a
// registering run that has a message box to show.
//
// TOLVAR_FAKE_UI=FILE: message boxes and the other modal dialogs are written to FILE instead of
// being shown (see platform/ui/recordingservices.h), for driving the add-in from another process.

#include "servermodule.h"

#include "addin/forms.h"
#include "addin/runtime/connect.h"
#include "addin/runtime/hostapp.h"
#include "addin/runtime/startup.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/formregistry.h"

#include "platform/automation/localserver.h"
#include "platform/automation/serverarguments.h"
#include "platform/ui/ownerwindow.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/recordingservices.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

const QString AppTitle = QStringLiteral("Tolvar");

std::unique_ptr<ui::Services> makeServices()
{
    const QString fakeUi = qEnvironmentVariable("TOLVAR_FAKE_UI");
    if (!fakeUi.isEmpty())
        return std::make_unique<ui::RecordingServices>(fakeUi, AppTitle);
    return std::make_unique<ui::QtServices>(AppTitle);
}

} // namespace

extern "C" Q_DECL_EXPORT int tolvarServe(int argc, char **argv)
{
    // No shared GL context (Qt::AA_ShareOpenGLContexts): making one at start loads the software
    // GL renderer, some 50 MB, for the browser alone; its engine runs without the GPU anyway.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvar"));
    // Without its tool window the server still serves the environment.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::unique_ptr<ui::Services> services = makeServices();
    ui::setServices(services.get());

    auto factory = std::make_shared<automation::ClassFactory>();
    factory->registerClass(tolvar::AddInProgId, [] { return std::make_shared<tolvar::Connect>(); });
    if (!automation::registerClasses(*factory, QApplication::applicationFilePath()))
        std::fprintf(stderr, "tolvar: could not register its class in CLASSES.INI\n");

    tolvar::StartUp();

    ui::ownWindowsBy(automation::ownerWindow(QApplication::arguments()));

    // What AfterClick runs to load the tool window, and the windows it shows; installed here only.
    tolvar::defineAddInForms(tolvar::forms());
    tolvar::setToolWindowLoader(tolvar::LoadToolWindow);

    std::shared_ptr<automation::PeerConnection> peer;
    try {
        peer =
            automation::serveEmbedding(automation::peerAddress(QApplication::arguments()), factory);
    } catch (const automation::Error &e) {
        std::fprintf(stderr, "tolvar: %s\n", qPrintable(e.description()));
        return 1;
    }
    const int exitCode = QApplication::exec();
    // The environment's objects go with the connection, before the application object does.
    tolvar::HostApp = automation::Value();
    return exitCode;
}

extern "C" Q_DECL_EXPORT void tolvarShowMessages(int argc, char **argv,
                                                 const QList<tolvar::DeferredMessage> *messages)
{
    QApplication app(argc, argv);
    const std::unique_ptr<ui::Services> services = makeServices();
    for (const tolvar::DeferredMessage &box : *messages)
        services->MsgBox(box.prompt, box.buttons, box.title);
}
