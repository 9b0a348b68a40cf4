#pragma once

namespace vbhost {

// Lets the Add-Ins menu call handlers in add-in processes without waiting for them: a handler
// that is a peer's object gets AfterClick as an asynchronous call, and its error (or its
// process going away) is reported later through the menu's handlerError.
void installRemoteInvoker();

} // namespace vbhost
