#pragma once

#include "control.h"

#include <QStringList>

namespace webcontrol {

// A control for tests: commands are recorded, and a navigation reports BeforeNavigate at once,
// as the real control does before loading. Tests raise the other events themselves.
class FakeBrowser : public Control
{
    Q_OBJECT
public:
    using Control::Control;

    QStringList calls; // "Navigate <address>", "GoBack", ...

    void Navigate(const QString &address) override;
    void GoBack() override;
    void GoForward() override;
    void Stop() override;
    void Refresh() override;
    QString LocationURL() const override { return m_location; }
    QString LocationName() const override { return {}; }

private:
    QString m_location;
};

ControlFactory fakeBrowserFactory();

} // namespace webcontrol
