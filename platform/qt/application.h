#pragma once
// The application-wide error display and the guard every event handler is entered through.
//
// Qt's own frames are built without exception support here: an exception must never leave a handler. Each
// signal is connected to a lambda that runs its handler inside Guarded(), which hands any error to the
// display the shell installed; the event loop then goes on.

#include <exception>
#include <functional>

#include "core/errors.h"

namespace zelta::qt {

using ErrorDisplay = std::function<void(const std::exception& error)>;

// Installs the display (the shell does this at start-up); an empty function restores the fallback, which
// writes the message to standard error.
void SetErrorDisplay(ErrorDisplay display);

// Shows an error that ended a handler. Never throws.
void HandleException(const std::exception& error) noexcept;

// Runs handler; an error it raises goes to the display. An error that is not an exception of ours is shown as
// one with an empty message.
template <class Handler>
void Guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const Exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(Exception(""));
    }
}

}  // namespace zelta::qt
