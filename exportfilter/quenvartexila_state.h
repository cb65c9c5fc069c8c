// The library's one process-wide state behind its exported functions, and how the user
// interface is installed into it (not exported).
#pragma once

#include <memory>

#include "exportfilter/engine/export_dialogs.h"
#include "exportfilter/engine/library_state.h"
#include "exportfilter/engine/quenar_message.h"

namespace grafyon::exportfilter {

// Made on first use: no local filter folder until the host names one, messages on standard
// error and the headless dialogs until a user interface is installed.
QuenarLibraryState& QuenvartexilaState();

// Installs the dialogs and progress window and the message boxes of a user interface; a
// null argument keeps (dialogs: goes back to) the headless behaviour.
void QuenvartexilaInstallDialogs(std::unique_ptr<QuenarDialogs> dialogs,
                                 std::unique_ptr<MessageSink> messages = nullptr);

}  // namespace grafyon::exportfilter
