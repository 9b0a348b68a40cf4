// Shows the tool window, the about box or the splash window with the real services, for looking
// at them and taking pictures under Xvfb:
//   toolwindow_preview rest|highlight|formmenu|layoutmenu|helpmenu|about|splash [seconds]
// Prints the shown window's frame as "x y width height" on standard output.
#include "addin/forms.h"
#include "addin/runtime/addinfolder.h"
#include "addin/toolwindow/toolwindow.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/formregistry.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/qtservices.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::QtServices services;
    ui::setServices(&services);
    tolvar::setAddInFolderForTesting(QStringLiteral(TOLVAR_ADDIN_DIR));
    tolvar::defineAddInForms(tolvar::forms());

    const QString state = app.arguments().value(1, QStringLiteral("rest"));
    const int seconds = app.arguments().value(2, QStringLiteral("20")).toInt();
    QWidget *shown = nullptr;
    if (state == QLatin1String("splash")) {
        shown = tolvar::forms().show(tolvar::formname::Splash);
    } else if (state == QLatin1String("about")) {
        shown = tolvar::forms().show(tolvar::formname::AboutBox);
    } else {
        tolvar::LoadToolWindow();
        tolvar::ToolWindow *window = tolvar::toolWindow();
        shown = window;
        if (state == QLatin1String("highlight")) {
            auto *button = window->findChild<tolvar::ImageButton *>(QStringLiteral("SizeB"));
            QMouseEvent move(QEvent::MouseMove, QPointF(10, 10),
                             button->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(button, &move);
        }
        if (state.endsWith(QLatin1String("menu"))) {
            QMenu *menu = state == QLatin1String("formmenu")     ? window->formMenu()
                          : state == QLatin1String("layoutmenu") ? window->layoutMenu()
                                                                 : window->helpMenu();
            QTimer::singleShot(300, window, [window, menu] {
                window->menuBar()->setActiveAction(menu->menuAction());
            });
        }
    }
    QTimer::singleShot(500, [shown] {
        const QRect frame = shown->frameGeometry();
        std::printf("%d %d %d %d\n", frame.x(), frame.y(), frame.width(), frame.height());
        std::fflush(stdout);
    });
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = app.exec();
    tolvar::unloadToolWindowForTesting();
    return result;
}
