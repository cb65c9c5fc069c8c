// Asks the host's callbacks for modules, options and settings lines.
#include "brisel_settings.h"

namespace grafyon::about {

std::vector<ModuleRow> CollectModules(const BriselSettings& settings, const ModuleRow& library) {
    std::vector<ModuleRow> rows{library};
    rows.front().number = 1;
    if (settings.moduleCallback == nullptr)
        return rows;
    for (int index = 1; index <= BRISEL_LAST_MODULE_INDEX; ++index) {
        ModuleRow row;
        if (settings.moduleCallback(index, row.name, row.major, row.minor, row.build, row.date,
                                    settings.moduleUser) == 0)
            continue;
        row.number = index + 1;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<OptionRow> CollectOptions(const BriselSettings& settings) {
    std::vector<OptionRow> rows;
    if (settings.optionCallback == nullptr)
        return rows;
    for (int index = 0; index <= BRISEL_LAST_OPTION_INDEX; ++index) {
        OptionRow row;
        if (settings.optionCallback(index, row.status, row.name, row.comment,
                                    settings.optionUser) == 0)
            continue;
        row.number = index + 1;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> CollectSettingsLines(const BriselSettings& settings) {
    std::vector<std::string> lines;
    if (settings.settingsCallback == nullptr)
        return lines;
    for (int index = 0; index <= BRISEL_LAST_SETTINGS_INDEX; ++index) {
        std::string line;
        if (settings.settingsCallback(index, line, settings.settingsUser) != 0)
            lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace grafyon::about
