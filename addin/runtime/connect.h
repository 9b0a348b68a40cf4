#pragma once

#include "platform/automation/object.h"

#include <QString>
#include <functional>

namespace tolvar {

// The creatable class the environment talks to: it hands over its application object, its menu
// command calls AfterClick, and DisconnectAddIn ends the add-in.
class Connect : public automation::Object
{
public:
    static inline const QString ClassName = QStringLiteral("connect");
    static inline const QString MenuCaption = QStringLiteral("Vantix Software's Tolvar Add-In");

    void ConnectAddIn(const automation::Value &VBInst);
    [[noreturn]] void DisconnectAddIn(qint16 mode);
    void AfterClick();

    const automation::Value &HostMenuItems() const { return m_hostMenuItems; }
    const automation::Value &MenuCommand() const { return m_menuCommand; }
    qint32 MenuConnectId() const { return m_menuConnectId; }

    automation::Value Invoke(const QString &member, const automation::Values &args) override;

private:
    automation::Value m_hostMenuItems;
    automation::Value m_menuCommand;
    qint32 m_menuConnectId = 0;
};

// What AfterClick runs: it loads the tool window unless it is loaded already. The executable
// installs it, so that the connect class knows no window; without one a click does nothing.
void setToolWindowLoader(std::function<void()> loader);

} // namespace tolvar
