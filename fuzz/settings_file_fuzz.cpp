// Fuzz target: the settings layer reading a hostile settings file. Whatever the file holds,
// a value written must read back as written, and value names come sorted.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/settings_file.h"
#include "fuzz_files.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

const std::string& SettingsPath() {
    static const std::string path = [] {
        const std::string home = grafyon::fuzz::ScratchFolder() + "/config";
        std::filesystem::create_directories(home + "/Vantorelline");
        ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        return grafyon::SettingsFile::PathFor(grafyon::SettingsScope::User, "Fuzz");
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace grafyon;
    const std::string& path = SettingsPath();
    fuzz::WriteFile(path, {data, size});
    SettingsFile settings(SettingsScope::User, "Fuzz");
    for (const char* section : {"", "Settings", "settings", "General"}) {
        const std::vector<std::string> names = settings.ValueNames(section);
        for (std::size_t i = 1; i < names.size(); ++i)
            Check(names[i - 1] <= names[i]);
        for (const std::string& name : names) {
            (void)settings.ReadString(section, name);
            (void)settings.ReadInt(section, name);
        }
    }
    // A file the parser finds malformed is never overwritten, so a write may fail; one that
    // succeeds must read back.
    if (settings.WriteString("Settings", "FuzzText", "a;b=c \"d\""))
        Check(settings.ReadString("settings", "fuzztext") == "a;b=c \"d\"");
    if (settings.WriteInt("Settings", "FuzzNumber", -1234567890123LL))
        Check(settings.ReadInt("SETTINGS", "FUZZNUMBER") == -1234567890123LL);
    return 0;
}
