#include "services.h"

#include "platform/automation/error.h"

#include <QtGlobal>

namespace ui {

namespace {
Services *g_services = nullptr;
}

automation::Error cannotOpenClipboard()
{
    return {521, QStringLiteral("Can't open Clipboard")};
}

int Services::MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons,
                                const QString &title)
{
    return MsgBox(prompt + QStringLiteral("\n\n") + details, buttons, title);
}

Services &services()
{
    if (!g_services)
        qFatal("ui::services() used before ui::setServices()");
    return *g_services;
}

void setServices(Services *s)
{
    g_services = s;
}

bool hasServices()
{
    return g_services != nullptr;
}

ScopedServices::ScopedServices(Services *s) : m_previous(g_services)
{
    g_services = s;
}

ScopedServices::~ScopedServices()
{
    g_services = m_previous;
}

} // namespace ui
