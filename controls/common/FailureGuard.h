#pragma once

#include <QMetaObject>
#include <QObject>
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

// Raises a notification such as OnClick guarded: nothing when no handler is bound. The handler is
// called through a copy, so that it may replace or clear itself while it runs.
template <class... Args, class... Values>
void RaiseGuarded(const std::function<void(Args...)> &handler, Values &&...values) noexcept
{
    RunGuarded([&] {
        const std::function<void(Args...)> call = handler;
        if (call)
            call(std::forward<Values>(values)...);
    });
}

// Runs `handler` guarded once the event loop reaches it (a message posted to `context`); dropped
// when `context` is destroyed first.
template <class Handler> void PostGuarded(QObject *context, Handler handler)
{
    QMetaObject::invokeMethod(
        context, [handler = std::move(handler)]() mutable { RunGuarded(handler); }, Qt::QueuedConnection);
}
