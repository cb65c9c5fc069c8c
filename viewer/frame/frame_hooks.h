// What the main window asks of the program that builds it: the application's recent-file
// list and its about box. Empty functions: the window shows no list, records nothing and
// leaves the about command disabled.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace grafyon {

struct FrameHooks {
    // The paths of the list, the most recent first.
    std::function<std::vector<std::string>()> entries;
    // A file the window opened goes to the top of the list.
    std::function<void(const std::string& path)> add;
    // An entry that no longer opens leaves the list.
    std::function<void(std::size_t index)> remove;
    // The about box.
    std::function<void()> showAbout;
};

}  // namespace grafyon
