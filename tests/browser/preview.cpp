// Shows the browser window at its home page with the real services, for looking at it and
// taking pictures under Xvfb:
//   browser_preview [rest|highlight] [seconds]
// Prints the window's frame as "x y width height" on standard output once the page is shown.
#include "addin/browser/browser.h"
#include "addin/runtime/addinfolder.h"
#include "platform/ui/imagebutton.h"
#include "platform/ui/qtservices.h"
#include "platform/webcontrol/browser.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    webcontrol::Browser::prepareEngine();
    QApplication app(argc, argv);
    ui::QtServices services;
    ui::setServices(&services);
    tolvar::setAddInFolderForTesting(QStringLiteral(TOLVAR_ADDIN_DIR));

    const QString state = app.arguments().value(1, QStringLiteral("rest"));
    const int seconds = app.arguments().value(2, QStringLiteral("20")).toInt();
    auto *window = new tolvar::Browser;
    window->show();
    QObject::connect(window->webBrowser(), &webcontrol::Control::DownloadProgress, window,
                     [window, state](int progress) {
                         if (progress != -1)
                             return;
                         if (state == QLatin1String("highlight")) {
                             QWidget *button = window->button(5);
                             QMouseEvent move(QEvent::MouseMove, QPointF(10, 10),
                                              button->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                                              Qt::NoButton, Qt::NoModifier);
                             QApplication::sendEvent(button, &move);
                         }
                         QTimer::singleShot(1000, window, [window] {
                             const QRect frame = window->frameGeometry();
                             std::printf("%d %d %d %d\n", frame.x(), frame.y(), frame.width(),
                                         frame.height());
                             std::fflush(stdout);
                         });
                     });
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = app.exec();
    delete window;
    return result;
}
