// The library's dialogs, progress window and message boxes on Qt Widgets, for installing
// into the library's state when a display is there.
#pragma once

#include <memory>

#include "exportfilter/engine/export_dialogs.h"
#include "exportfilter/engine/quenar_message.h"
#include "page_registry.h"

class QWidget;

namespace grafyon::exportfilter {

// owner: the window the dialogs open over and that the progress window disables (null:
// the active window at the time). messenger: the library's, for the edit sheets that
// Editor() opens. pages: the sheets of the engine's classes and of every format.
std::unique_ptr<QuenarDialogs> MakeQtDialogs(QWidget* owner, QuenarMessenger& messenger,
                                             FilterPageRegistry pages = DefaultFilterPages());

// The message boxes for the library's messenger.
std::unique_ptr<MessageSink> MakeQtMessageSink(QWidget* owner);

}  // namespace grafyon::exportfilter
