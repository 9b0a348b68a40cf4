#pragma once

#include "errorreport.h"

#include "platform/automation/error.h"

#include <utility>

namespace tolvar {

// The three ways a routine traps run-time errors. Only automation::Error is trapped: anything
// else (ending the process included) goes on to the caller.

// The routine's single handler: report the error and leave; nothing done before is undone.
template <class Fn> void ReportAndLeave(Fn &&fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (const automation::Error &e) {
        ReportError(e);
    }
}

// Skip the failing statement silently and go on with the next one: wrap each statement.
template <class Fn> void IgnoreAndContinue(Fn &&fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (const automation::Error &) {
    }
}

// Leave without a word, as when a common dialog is cancelled.
template <class Fn> void LeaveQuietly(Fn &&fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (const automation::Error &) {
    }
}

} // namespace tolvar
