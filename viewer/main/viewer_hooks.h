// The wiring of the viewer: the application shell's hooks connected to the settings, the
// font, the colors, the document and the main window.
#pragma once

#include "viewer/app/app_hooks.h"
#include "viewer/frame/frame_hooks.h"

namespace grafyon {

class CGrafyonApp;

struct ViewerRuntime;

// The application's recent-file list, for the main window.
FrameHooks FrameHooksOf(CGrafyonApp& application);

// Connects start-up and exit to what runtime holds; the main window gets recentFiles.
GrafyonAppHooks MakeViewerHooks(ViewerRuntime& runtime, FrameHooks frameHooks);

}  // namespace grafyon
