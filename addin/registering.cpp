#include "registering.h"

#include "serverloader.h"
#include "servermodule.h"

#include "addin/runtime/connect.h"
#include "addin/runtime/startup.h"

#include "platform/automation/registry.h"
#include "platform/ui/console.h"
#include "platform/ui/msgboxstyle.h"
#include "platform/ui/services.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace tolvar {

namespace {

// Keeps the message boxes for later, answered with their default button, so that the run
// needs only QtCore until it has something to show. Registering asks for nothing else.
class DeferredServices : public ui::Services
{
public:
    int MsgBox(const QString &prompt, int buttons, const QString &title, const QString &,
               int) override
    {
        shown.append({prompt, buttons, title});
        return ui::msgBoxStyle(buttons).defaultButton;
    }
    QString InputBox(const QString &, const QString &, const QString &defaultText,
                     std::optional<double>, std::optional<double>, const QString &, int) override
    {
        return defaultText;
    }
    void setClipboardText(const QString &) override { throw ui::cannotOpenClipboard(); }
    QString clipboardText() override { return {}; }
    QString ShowOpen(QWidget *, const ui::OpenFileRequest &) override { return {}; }
    bool ShowPrinter(QWidget *, bool, const QString &) override { return false; }
    int printerCopies() override { return 1; }
    void printerPrint(const QString &) override {}
    QString printerEndDoc() override { return {}; }
    void WinHelp(const QString &, ui::HelpCommand, int) override {}
    int screenWidthTwips() override { return 0; }
    int screenHeightTwips() override { return 0; }
    void DoEvents() override { QCoreApplication::processEvents(); }
    [[noreturn]] void EndProcess() override { std::_Exit(0); }

    QList<DeferredMessage> shown;
};

} // namespace

int RunRegistering(int argc, char **argv)
{
    const QString appTitle = QStringLiteral("Tolvar");
    DeferredServices deferred;
    bool registered = true;
    {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("tolvar"));
        ui::ScopedServices scope(&deferred);
        // The one class the serving library's factory makes, described as its command is named.
        registered = automation::registerLocalServer(
            AddInProgId, QCoreApplication::applicationFilePath(), Connect::MenuCaption);
        StartUp();
    }
    if (!registered)
        std::fprintf(stderr, "tolvar: could not register its class in CLASSES.INI\n");
    if (deferred.shown.isEmpty())
        return registered ? 0 : 1;

    // Only a box someone sees, or one recorded for a test, needs the windowing libraries.
    const bool recorded = !qEnvironmentVariableIsEmpty("TOLVAR_FAKE_UI");
    auto show = reinterpret_cast<ShowMessagesFunction>(
        recorded || !ui::hasNoDisplay() ? serverEntry(ShowMessagesSymbol) : nullptr);
    if (show) {
        show(argc, argv, &deferred.shown);
    } else {
        for (const DeferredMessage &box : std::as_const(deferred.shown))
            ui::printMessage(box.prompt, box.title.isEmpty() ? appTitle : box.title);
    }
    return 1;
}

} // namespace tolvar
