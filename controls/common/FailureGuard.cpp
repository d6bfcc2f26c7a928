#include "controls/common/FailureGuard.h"

#include <QtGlobal>

namespace {
FailureHandler &InstalledHandler()
{
    static FailureHandler handler;
    return handler;
}
} // namespace

void SetFailureHandler(FailureHandler handler)
{
    InstalledHandler() = std::move(handler);
}

void ReportFailure(const std::exception &failure) noexcept
{
    const FailureHandler &handler = InstalledHandler();
    if (!handler) {
        qWarning("Unhandled failure: %s", failure.what());
        return;
    }
    try {
        handler(failure);
    } catch (const std::exception &nested) {
        // The handler itself failed (for instance while showing its message): nothing is left to tell.
        qWarning("Failure while reporting a failure: %s", nested.what());
    }
}
