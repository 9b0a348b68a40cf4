#pragma once

#include "console.h"
#include "qtservices.h"

namespace ui {

// The real services for a run without a display (registering from a terminal or a script):
// message boxes are written to standard error and answered with their default button.
class ConsoleServices : public QtServices
{
public:
    using QtServices::QtServices;

    int MsgBox(const QString &prompt, int buttons = 0, const QString &title = {},
               const QString &helpfile = {}, int context = 0) override;
    // The details follow the prompt, as the box without a details button shows them.
    int MsgBoxWithDetails(const QString &prompt, const QString &details, int buttons = 0,
                          const QString &title = {}) override
    {
        return Services::MsgBoxWithDetails(prompt, details, buttons, title);
    }
};

} // namespace ui
