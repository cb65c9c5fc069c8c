// The application's recent-file list as the main window uses it, handed in by the program
// that builds the window. Empty functions: the window shows no list and records nothing.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace grafyon {

struct RecentFileHooks {
    // The paths of the list, the most recent first.
    std::function<std::vector<std::string>()> entries;
    // A file the window opened goes to the top of the list.
    std::function<void(const std::string& path)> add;
    // An entry that no longer opens leaves the list.
    std::function<void(std::size_t index)> remove;
};

}  // namespace grafyon
