#include "forms.h"

#include "addin/about/aboutbox.h"
#include "addin/about/splash.h"
#include "addin/browser/browsermodule.h"
#include "addin/runtime/addinfolder.h"
#include "addin/screensaver/screensaverwindow.h"
#include "addin/templates/templatewindow.h"
#include "addin/windows/formregistry.h"
#include "addin/wizards/inputboxwizard.h"
#include "addin/wizards/messageboxwizard.h"

#include "platform/automation/error.h"

#include <QDir>
#include <QPluginLoader>
#include <QScopeGuard>
#include <cstdio>

namespace tolvar {

namespace {

// The engine, opened from a module after the application exists, says at its start that it
// would rather have shared GL contexts from the outset; the add-in defers it on purpose, so as
// not to carry a GL renderer for windows that draw none.
QtMessageHandler previousHandler = nullptr;

void dropLateEngineNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg &&
        (text.startsWith(u"Qt WebEngine seems to be initialized from a plugin") ||
         text.startsWith(u"Attribute Qt::AA_ShareOpenGLContexts must be set")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// The browser window comes from its module, opened when it is first asked for. A module that
// is missing or cannot be loaded is reported each time, and nothing else depends on it.
QWidget *loadBrowser()
{
    const QString path = AddInPath(QString::fromLatin1(BrowserModuleFile));
    previousHandler = qInstallMessageHandler(dropLateEngineNotices);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(previousHandler); });
    QPluginLoader loader(path);
    QObject *root = loader.instance();
    auto *module = qobject_cast<BrowserModule *>(root);
    if (!module) {
        const QString reason =
            root ? QStringLiteral("it is not the browser module") : loader.errorString();
        throw automation::Error(48, QStringLiteral("Error in loading DLL %1: %2")
                                        .arg(QDir::toNativeSeparators(path), reason));
    }
    return module->createBrowser();
}

} // namespace

void defineAddInForms(FormRegistry &registry)
{
    registry.define(formname::Splash, [] { return new Splash; });
    registry.define(formname::AboutBox, [] { return new AboutBox; });
    registry.define(formname::Files, [] { return new TemplateWindow; });
    registry.define(formname::ScreenSaver, [] { return new ScreenSaverWindow; });
    registry.define(formname::MessageBoxWizard, [] { return new MessageBoxWizard; });
    registry.define(formname::InputBoxWizard, [] { return new InputBoxWizard; });
    registry.define(formname::Browser, loadBrowser);
}

} // namespace tolvar
