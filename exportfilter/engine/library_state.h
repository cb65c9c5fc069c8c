// The library's process-wide state as far as the filter engine uses it: its message
// function, its flags, its two filter folders and the classes its files may name.
#pragma once

#include <string_view>

#include "filter_folder.h"
#include "quenar_message.h"
#include "quenar_object.h"

namespace grafyon::exportfilter {

inline constexpr int QUENAR_LOCAL_FILTER_PATH = 16;
inline constexpr int QUENAR_GLOBAL_FILTER_PATH = 17;

inline constexpr int QUENAR_FLAG_NO_MESSAGE_BOXES = 1;
inline constexpr int QUENAR_FLAG_NO_STATUS_WINDOW = 2;

struct QuenarLibraryState {
    QuenarLibraryState();

    // Selector 16 sets the local folder, 17 the global one; any other changes nothing.
    // Always 0.
    int PathInitial(int selector, std::string_view path);
    // Both flags are replaced on every call.
    void SetFlags(int flags);

    QuenarMessenger messenger;
    bool statusWindowEnabled = true;
    // The local folder starts empty ("no access") until the host names one.
    FilterFolders folders;
    ClassRegistry registry;  // the engine's classes; formats add theirs
};

}  // namespace grafyon::exportfilter
