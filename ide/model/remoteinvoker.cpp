#include "ide/model/remoteinvoker.h"

#include "ide/model/addinmenu.h"
#include "platform/automation/remoteobject.h"

namespace vbhost {

void installRemoteInvoker()
{
    AddInMenu::setAsyncInvoker([](const automation::ObjectPtr &handler, const QString &member,
                                  const automation::Values &args,
                                  std::function<void(const automation::Error &)> onError) {
        auto remote = std::dynamic_pointer_cast<automation::RemoteObject>(handler);
        if (!remote)
            return false;
        remote->invokeAsync(
            member, args, [](const automation::Value &) {}, std::move(onError));
        return true;
    });
}

} // namespace vbhost
