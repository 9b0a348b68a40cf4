#include "connect.h"

#include "hostapp.h"
#include "traps.h"

#include "platform/ui/services.h"

#include <cstdlib>

namespace tolvar {

using automation::Value;
using automation::Values;

namespace {

std::function<void()> &toolWindowLoader()
{
    static std::function<void()> loader;
    return loader;
}

void requireArguments(const Values &args, qsizetype min, qsizetype max)
{
    if (args.size() < min || args.size() > max)
        throw automation::Error::wrongArguments();
}

} // namespace

void setToolWindowLoader(std::function<void()> loader)
{
    toolWindowLoader() = std::move(loader);
}

void Connect::ConnectAddIn(const Value &VBInst)
{
    ReportAndLeave([&] {
        HostApp = VBInst;
        m_hostMenuItems = automation::invoke(
            automation::invoke(VBInst, QStringLiteral("AddInMenu")), QStringLiteral("MenuItems"));
        m_menuCommand = automation::invoke(m_hostMenuItems, QStringLiteral("Add"), {MenuCaption});
        m_menuConnectId = automation::invoke(m_menuCommand, QStringLiteral("ConnectEvents"),
                                             {Value(shared_from_this())})
                              .toLong();
    });
}

void Connect::DisconnectAddIn(qint16)
{
    IgnoreAndContinue([&] {
        automation::invoke(m_menuCommand, QStringLiteral("DisconnectEvents"),
                           {Value(m_menuConnectId)});
    });
    IgnoreAndContinue(
        [&] { automation::invoke(m_hostMenuItems, QStringLiteral("Remove"), {m_menuCommand}); });
    ui::services().EndProcess();
    std::abort(); // services that let EndProcess return break their contract
}

void Connect::AfterClick()
{
    if (toolWindowLoader())
        toolWindowLoader()();
}

Value Connect::Invoke(const QString &member, const Values &args)
{
    if (member.compare(u"ConnectAddIn", Qt::CaseInsensitive) == 0) {
        requireArguments(args, 1, 1);
        ConnectAddIn(args.at(0));
        return {};
    }
    if (member.compare(u"DisconnectAddIn", Qt::CaseInsensitive) == 0) {
        // The mode is never read (nor converted, so no value of it can keep the add-in
        // loaded); a caller that leaves it out still unloads the add-in.
        requireArguments(args, 0, 1);
        DisconnectAddIn(0);
    }
    if (member.compare(u"AfterClick", Qt::CaseInsensitive) == 0) {
        requireArguments(args, 0, 0);
        AfterClick();
        return {};
    }
    throw automation::Error::memberNotFound();
}

} // namespace tolvar
