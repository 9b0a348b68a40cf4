#include "fakebrowser.h"

namespace webcontrol {

void FakeBrowser::Navigate(const QString &address)
{
    calls << QStringLiteral("Navigate ") + address;
    m_location = address;
    emit BeforeNavigate(address);
}

void FakeBrowser::GoBack()
{
    calls << QStringLiteral("GoBack");
}

void FakeBrowser::GoForward()
{
    calls << QStringLiteral("GoForward");
}

void FakeBrowser::Stop()
{
    calls << QStringLiteral("Stop");
}

void FakeBrowser::Refresh()
{
    calls << QStringLiteral("Refresh");
}

ControlFactory fakeBrowserFactory()
{
    return [](QWidget *parent) -> Control * { return new FakeBrowser(parent); };
}

} // namespace webcontrol
