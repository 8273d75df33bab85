#include "platform/qt/application.h"

#include <cstdio>
#include <utility>

namespace zelta::qt {

namespace {
ErrorDisplay& Display() {
    static ErrorDisplay display;
    return display;
}
}  // namespace

void SetErrorDisplay(ErrorDisplay display) {
    Display() = std::move(display);
}

void HandleException(const std::exception& error) noexcept {
    try {
        if (Display()) {
            Display()(error);
            return;
        }
    } catch (...) {
        // A display that fails must not take the event loop down with it; fall back to standard error.
    }
    std::fprintf(stderr, "%s\n", error.what());
}

}  // namespace zelta::qt
