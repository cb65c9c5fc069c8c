// The library's user interface as it is installed into its state: the Qt dialogs and
// message boxes where a display is there, the headless answers where it is not, decided at
// every call so that a batch run never waits for a dialog nobody can see.
#pragma once

#include <memory>

#include "exportfilter/engine/export_dialogs.h"
#include "exportfilter/engine/quenar_message.h"
#include "page_registry.h"

namespace grafyon::exportfilter {

// True when a QApplication runs on a platform that shows windows (not "offscreen" or
// "minimal").
bool HasDisplay();

// The Qt dialogs are made on first use with a display, with the library's messenger and
// the sheets of every class the library knows.
std::unique_ptr<QuenarDialogs> MakeDisplayDialogs(QuenarMessenger& messenger,
                                                  FilterPageRegistry pages);

// Message boxes with a display; the text on standard error (agreeing) without one.
std::unique_ptr<MessageSink> MakeDisplayMessageSink();

}  // namespace grafyon::exportfilter
