// vbhost: the design environment. Opens a Visual Basic 4 project and hosts add-ins.
#include "ide/shell/addinmanager.h"
#include "ide/shell/bundledaddins.h"
#include "ide/shell/commandline.h"
#include "ide/shell/mainwindow.h"
#include "platform/ui/qtservices.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Answered before the application object exists, so that --help needs no display; Qt's own
    // options are let through for it to take.
    const vbhost::CommandLine commandLine =
        vbhost::parseCommandLine(commandline::arguments(argc, argv).mid(1));
    if (const auto exitCode =
            commandline::answer(commandLine, QStringLiteral("vbhost"), vbhost::commandLineUsage()))
        return *exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vbhost"));
    QApplication::setApplicationVersion(commandline::version());
    QApplication::setApplicationDisplayName(QStringLiteral("vbhost"));
    // Installed, the desktop entry and the theme's icon are vbhost's own.
    QGuiApplication::setDesktopFileName(QStringLiteral("vbhost"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tolvar")));
    QTextStream err(stderr);

    // A new user's first start makes the add-ins installed with vbhost known to the Add-In
    // Manager.
    for (const QString &server : vbhost::registerBundledAddIns(QApplication::applicationDirPath()))
        err << "vbhost: could not register the add-in " << server << "\n";

    ui::QtServices services(QStringLiteral("vbhost"));
    ui::setServices(&services);
    vbhost::MainWindow window(services);
    window.show();

    if (!commandLine.project.isEmpty() &&
        !window.openProject(commandLine.project, commandLine.codePage))
        err << "vbhost: could not open " << commandLine.project << "\n";

    vbhost::AddInManager &addIns = window.addIns();
    // Another process can own a window only through the X server.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        addIns.setOwnerWindow(window.winId());
    QObject::connect(&addIns, &vbhost::AddInManager::addInFailed, &app,
                     [&err](const QString &progId, const QString &message) {
                         err << "vbhost: add-in " << progId << ": " << message << "\n";
                         err.flush();
                     });
    // Add-ins left loaded last time come back, then the ones asked for.
    QStringList toLoad = addIns.markedLoaded();
    for (const QString &progId : commandLine.addins) {
        if (!addIns.registerAddIn(progId))
            err << "vbhost: cannot register " << progId << " in VB.INI\n";
        if (!toLoad.contains(progId, Qt::CaseInsensitive))
            toLoad << progId;
    }
    // Commands asked for are chosen once their add-in has connected (its handlers with it).
    QStringList toChoose = commandLine.commands;
    QObject::connect(&addIns, &vbhost::AddInManager::stateChanged, &app,
                     [&window, &toChoose](const QString &, vbhost::AddInManager::State state) {
                         if (state != vbhost::AddInManager::State::Loaded)
                             return;
                         for (QAction *action : window.addInsMenu()->actions()) {
                             QString caption = action->text();
                             caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
                             if (action->data().isValid() && toChoose.removeOne(caption))
                                 action->trigger();
                         }
                     });
    for (const QString &progId : toLoad)
        addIns.load(progId);
    err.flush();

    return app.exec();
}
