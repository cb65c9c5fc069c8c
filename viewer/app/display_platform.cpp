// The offscreen fallback for runs without a display.
#include "display_platform.h"

#include <cstdlib>

namespace grafyon {

namespace {
bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}
}  // namespace

bool NeedsOffscreenPlatform(const char* display, const char* waylandDisplay,
                            const char* qpaPlatform) {
    // An explicit platform (eglfs, linuxfb, vnc, offscreen) is the user's choice.
    if (IsSet(qpaPlatform))
        return false;
    return !IsSet(display) && !IsSet(waylandDisplay);
}

bool ChooseQtPlatform() {
    if (!NeedsOffscreenPlatform(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                std::getenv("QT_QPA_PLATFORM"))) {
        return false;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
}

}  // namespace grafyon
