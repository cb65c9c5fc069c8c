// For a program that shows the about box: its module list and the calls that show it.
// Header only, so the program needs nothing beyond the exported functions.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "about/brisel.h"
#include "common/version_query.h"

namespace grafyon::about {

// The exported version function every library of the family has.
using BriselVersionFunction = void (*)(std::string& name, int& major, int& minor, int& build,
                                       std::string& date);

// The modules of the Version page, asked for by index 1, 2, ... in the order added.
class BriselModuleList {
public:
    // A library by its version function.
    void AddLibrary(BriselVersionFunction function) { m_entries.push_back({{}, {}, function}); }
    // A file by its version note (the program, a language module, a library without a
    // version function); not listed when the file carries no note.
    void AddFile(std::string name, std::string path) {
        m_entries.push_back({std::move(name), std::move(path), nullptr});
    }
    std::size_t Count() const { return m_entries.size(); }

    // A BriselModuleCallback; user is the list.
    static int Callback(int index, std::string& module, int& major, int& minor, int& build,
                        std::string& date, void* user) {
        const auto* list = static_cast<const BriselModuleList*>(user);
        if (list == nullptr || index < 1 || static_cast<std::size_t>(index) > list->Count())
            return 0;
        const Entry& entry = list->m_entries[static_cast<std::size_t>(index) - 1];
        if (entry.function) {
            entry.function(module, major, minor, build, date);
            return 1;
        }
        if (QueryModuleVersion(entry.path, 0, major, minor, build, date) == 0)
            return 0;
        module = entry.name;
        return 1;
    }

private:
    struct Entry {
        std::string name;
        std::string path;
        BriselVersionFunction function;
    };
    std::vector<Entry> m_entries;
};

// Everything a program shows in its about box.
struct BriselAboutContent {
    std::string program;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string date;
    BriselModuleList modules;
    // Line n (from 0) of the program's settings for the report; false after the last.
    // Empty: the report has no settings block.
    std::function<bool(int line, std::string& text)> settingsLine;
    const QPixmap* picture = nullptr;  // heads the Version page; may be null
};

// Version page (with the modules), Options page (the program has no options to list),
// System page and Report file page, then the box; returns BRISEL_IDOK or BRISEL_IDCANCEL.
// The content is kept for the rest of the process because the library keeps the callbacks.
inline int BriselShowAboutBox(BriselAboutContent content) {
    static BriselAboutContent current;
    current = std::move(content);
    BriselSetVersionPage(current.program.c_str(), current.major, current.minor, current.build,
                         current.date.c_str(), &BriselModuleList::Callback, &current.modules);
    BriselSetOptionPage(nullptr, nullptr);
    BriselSetSystemPage();
    const BriselSettingsCallback settingsCallback = [](int index, std::string& line, void* user) {
        return static_cast<BriselAboutContent*>(user)->settingsLine(index, line) ? 1 : 0;
    };
    BriselSetLogfilePage(current.settingsLine ? settingsCallback : nullptr, &current);
    const int result = BriselDoModal(current.picture);
    current.picture = nullptr;  // the caller's picture may go now
    return result;
}

}  // namespace grafyon::about
