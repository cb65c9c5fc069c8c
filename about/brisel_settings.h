// What the host program has told the about library, and what the callbacks report.
#pragma once

#include <string>
#include <vector>

#include "about/brisel.h"

namespace grafyon::about {

// Highest indexes the callbacks are asked for.
inline constexpr int BRISEL_LAST_MODULE_INDEX = 31;
inline constexpr int BRISEL_LAST_OPTION_INDEX = 127;
inline constexpr int BRISEL_LAST_SETTINGS_INDEX = 1023;

// One set per process, all empty at load.
struct BriselSettings {
    bool versionPage = false;
    std::string program;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string date;
    BriselModuleCallback moduleCallback = nullptr;
    void* moduleUser = nullptr;

    bool optionPage = false;
    BriselOptionCallback optionCallback = nullptr;
    void* optionUser = nullptr;

    bool logfilePage = false;
    BriselSettingsCallback settingsCallback = nullptr;
    void* settingsUser = nullptr;

    bool systemPage = false;

    std::string oemAddressFile;
    std::string oemSmallBitmap;
    std::string oemLargeBitmap;
};

// A row of the module list; number 1 is the library itself, then index + 1.
struct ModuleRow {
    int number = 0;
    std::string name;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string date;
};

// A row of the options list, numbered index + 1.
struct OptionRow {
    int number = 0;
    int status = 0;
    std::string name;
    std::string comment;
};

// The library's own row, then every module the callback reports.
std::vector<ModuleRow> CollectModules(const BriselSettings& settings, const ModuleRow& library);
std::vector<OptionRow> CollectOptions(const BriselSettings& settings);
std::vector<std::string> CollectSettingsLines(const BriselSettings& settings);

}  // namespace grafyon::about
