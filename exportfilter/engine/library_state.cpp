// The library's process-wide state.
#include "library_state.h"

namespace grafyon::exportfilter {

QuenarLibraryState::QuenarLibraryState() {
    RegisterEngineClasses(registry);
}

int QuenarLibraryState::PathInitial(int selector, std::string_view path) {
    if (selector == QUENAR_LOCAL_FILTER_PATH)
        folders.local = std::string(path);
    else if (selector == QUENAR_GLOBAL_FILTER_PATH)
        folders.global = std::string(path);
    return 0;
}

void QuenarLibraryState::SetFlags(int flags) {
    messenger.SetBoxesEnabled((flags & QUENAR_FLAG_NO_MESSAGE_BOXES) == 0);
    statusWindowEnabled = (flags & QUENAR_FLAG_NO_STATUS_WINDOW) == 0;
}

}  // namespace grafyon::exportfilter
