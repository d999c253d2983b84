#pragma once
// The boundary between a handler and the event loop: an AppError raised inside `handler`
// ends it and shows its message in the standard error box; what it changed stays.

#include "core/app_error.h"
#include "core/ports.h"

#include <utility>

template <typename Handler>
bool guarded(Dialogs& dialogs, QWidget* owner, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const AppError& error) {
        dialogs.errorBox(owner, error.message());
        return false;
    }
}
