#include "registering.h"

#include "addin/host/connect.h"
#include "addin/host/startup.h"

#include "platform/automation/localserver.h"
#include "platform/ui/consoleservices.h"
#include "platform/ui/msgboxstyle.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/recordingservices.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace tolvar {

namespace {

struct Shown
{
    QString prompt;
    int buttons = 0;
    QString title;
};

// Keeps the message boxes for later, answered with their default button, so that the run
// needs only QtCore until it has something to show.
class DeferredServices : public ui::QtServices
{
public:
    using ui::QtServices::QtServices;

    int MsgBox(const QString &prompt, int buttons, const QString &title, const QString &,
               int) override
    {
        shown.append({prompt, buttons, title});
        return ui::msgBoxStyle(buttons).defaultButton;
    }

    QList<Shown> shown;
};

} // namespace

int RunRegistering(int argc, char **argv)
{
    const QString appTitle = QStringLiteral("Tolvar");
    DeferredServices deferred(appTitle);
    bool registered = true;
    {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("tolvar"));
        ui::ScopedServices scope(&deferred);
        auto factory = std::make_shared<automation::ClassFactory>();
        factory->registerClass(AddInProgId, [] { return std::make_shared<Connect>(); });
        registered = automation::registerClasses(*factory, QCoreApplication::applicationFilePath());
        StartUp();
    }
    if (!registered)
        std::fprintf(stderr, "tolvar: could not register its class in CLASSES.INI\n");
    if (deferred.shown.isEmpty())
        return registered ? 0 : 1;

    const QString fakeUi = qEnvironmentVariable("TOLVAR_FAKE_UI");
    std::unique_ptr<QApplication> gui;
    std::unique_ptr<ui::Services> services;
    if (!fakeUi.isEmpty()) {
        services = std::make_unique<ui::RecordingServices>(fakeUi, appTitle);
    } else if (ui::hasNoDisplay()) {
        services = std::make_unique<ui::ConsoleServices>(appTitle);
    } else {
        gui = std::make_unique<QApplication>(argc, argv);
        services = std::make_unique<ui::QtServices>(appTitle);
    }
    for (const Shown &box : std::as_const(deferred.shown))
        services->MsgBox(box.prompt, box.buttons, box.title);
    return 1;
}

} // namespace tolvar
