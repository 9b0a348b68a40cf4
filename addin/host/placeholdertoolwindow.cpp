#include "placeholdertoolwindow.h"

#include "platform/ui/services.h"

#include <QCloseEvent>
#include <QPointer>

namespace tolvar {

PlaceholderToolWindow::PlaceholderToolWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("wizard"));
    setWindowTitle(QStringLiteral("Vantix Software: Tolvar Add-In 2.0 "));
}

void PlaceholderToolWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    ui::services().EndProcess();
}

void loadPlaceholderToolWindow()
{
    static QPointer<PlaceholderToolWindow> window;
    if (window)
        return;
    window = new PlaceholderToolWindow;
    window->show();
}

} // namespace tolvar
