// Choosing Qt's offscreen platform when the process has no display.
#pragma once

namespace grafyon {

// True when neither DISPLAY nor WAYLAND_DISPLAY names a display and QT_QPA_PLATFORM asks
// for no platform of its own (null or empty values count as unset).
bool NeedsOffscreenPlatform(const char* display, const char* waylandDisplay,
                            const char* qpaPlatform);

// Sets QT_QPA_PLATFORM=offscreen for a run without a display; call before the
// application object exists. True when it did.
bool ChooseQtPlatform();

}  // namespace grafyon
