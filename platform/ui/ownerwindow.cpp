#include "ownerwindow.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

namespace ui {

namespace {

// Sees every window as it is shown, whoever shows it: the add-in's own windows, message boxes
// and file dialogs alike.
class WindowOwner : public QObject
{
public:
    WindowOwner(QWindow *owner, QObject *parent) : QObject(parent), m_owner(owner) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            own(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void own(QWidget *widget)
    {
        // A window with a parent already stays above that parent.
        if (!widget->isWindow() || widget->parentWidget())
            return;
        const Qt::WindowType type = widget->windowType();
        QWindow *window = widget->windowHandle();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop || !window)
            return;
        window->setTransientParent(m_owner);
        // Qt writes the hint itself for dialogs and splash windows only, and takes it off an
        // ordinary window each time it maps it. Such a window keeps its type, and with it its
        // place in the task bar, and gets the hint once mapped.
        if (type != Qt::Window)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, window = QPointer<QWindow>(window)] {
                if (window && window->isVisible())
                    writeTransientFor(xcb_window_t(window->winId()));
            },
            Qt::QueuedConnection);
    }

    void writeTransientFor(xcb_window_t window)
    {
        auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11)
            return;
        const xcb_window_t owner = xcb_window_t(m_owner->winId());
        xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE, window,
                            XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &owner);
        xcb_flush(x11->connection());
    }

    QWindow *m_owner;
};

} // namespace

void ownWindowsBy(quintptr ownerId)
{
    if (!ownerId || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    qApp->installEventFilter(new WindowOwner(QWindow::fromWinId(WId(ownerId)), qApp));
}

} // namespace ui
