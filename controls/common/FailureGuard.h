#pragma once

#include <exception>
#include <functional>
#include <utility>

// No exception may unwind through Qt's event dispatch. Every handler of ours that the event loop
// reaches (a widget's event override calling user code, a bound notification) runs inside
// RunGuarded, which hands a failure to the one application-wide failure handler.

using FailureHandler = std::function<void(const std::exception &failure)>;

// Installs the application's handler; an empty handler restores the default (a warning on stderr).
void SetFailureHandler(FailureHandler handler);

// Reports a failure to the installed handler; never throws.
void ReportFailure(const std::exception &failure) noexcept;

template <class Handler> void RunGuarded(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &failure) {
        ReportFailure(failure);
    }
}
