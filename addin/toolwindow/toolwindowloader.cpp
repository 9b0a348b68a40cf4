#include "toolwindowloader.h"

#include "addin/windows/formregistry.h"
#include "toolwindow.h"

#include <QPointer>

namespace tolvar {

namespace {
QPointer<ToolWindow> &loaded()
{
    static QPointer<ToolWindow> window;
    return window;
}
} // namespace

void LoadToolWindow()
{
    if (loaded())
        return;
    loaded() = new ToolWindow;
    loaded()->Form_Load();
}

ToolWindow *toolWindow()
{
    return loaded();
}

void unloadToolWindowForTesting()
{
    delete loaded().data();
    forms().unloadAll();
}

} // namespace tolvar
