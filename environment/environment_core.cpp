// Property table and folder set-up of the environment library.
#include "environment_core.h"

#include <sys/stat.h>

namespace grafyon::environment {

namespace {

constexpr char FAMILY_FILE[] = "Vantorelline";

// Numbers 8 to 15 name the installation folders of the family's sibling programs.
constexpr PropertyEntry PROPERTIES[] = {
    {1, 1, PROPERTY_USER_VALUE, "ExportFilter", "LocalPath"},
    {2, 1, PROPERTY_USER_VALUE, "ExportFilter", "GroupPath"},
    {3, 1, PROPERTY_MACHINE_PATH, "", "OEM/OemAdr.ini"},
    {4, 1, PROPERTY_MACHINE_PATH, "", "OEM/OemSmall.bmp"},
    {5, 1, PROPERTY_MACHINE_PATH, "", "OEM/OemLarge.bmp"},
    {6, 1, PROPERTY_MACHINE_VALUE, "", "Path"},
    {7, 1, PROPERTY_MACHINE_VALUE, "", "Path"},
    {8, 1, PROPERTY_MACHINE_VALUE, "Recorder", "Path"},
    {9, 1, PROPERTY_MACHINE_VALUE, "Analyzer", "Path"},
    {10, 1, PROPERTY_MACHINE_VALUE, "Calibrator", "Path"},
    {11, 1, PROPERTY_MACHINE_VALUE, "Configurator", "Path"},
    {12, 1, PROPERTY_MACHINE_VALUE, "Monitor", "Path"},
    {13, 1, PROPERTY_MACHINE_VALUE, "Reporter", "Path"},
    {14, 1, PROPERTY_MACHINE_VALUE, "Scheduler", "Path"},
    {15, 1, PROPERTY_MACHINE_VALUE, "Archiver", "Path"},
    {0, 0, 0, "", ""},
};

}  // namespace

const PropertyEntry* PropertyTable() {
    return PROPERTIES;
}

bool ReadFamilyString(SettingsScope scope, std::string_view subkey, std::string_view name,
                      std::string& value) {
    const SettingsFile file(scope, FAMILY_FILE);
    std::optional<std::string> text = file.ReadString(subkey, name);
    if (!text)
        return false;
    value = std::move(*text);
    return true;
}

bool WriteFamilyString(SettingsScope scope, std::string_view subkey, std::string_view name,
                       std::string_view value) {
    SettingsFile file(scope, FAMILY_FILE);
    return file.WriteString(subkey, name, value);
}

int GetProperty(int property, std::string& value) {
    for (const PropertyEntry* entry = PROPERTIES; entry->number != 0; ++entry) {
        if (entry->number != property)
            continue;
        if (entry->enabled != 1)
            return 2;
        switch (entry->kind) {
            case PROPERTY_USER_VALUE:
                ReadFamilyString(SettingsScope::User, entry->subkey, entry->valueText, value);
                break;
            case PROPERTY_MACHINE_VALUE:
                ReadFamilyString(SettingsScope::Machine, entry->subkey, entry->valueText, value);
                break;
            case PROPERTY_USER_PATH:
            case PROPERTY_MACHINE_PATH: {
                // The missing "Path" is still joined, as the family's programs expect.
                std::string path;
                ReadFamilyString(entry->kind == PROPERTY_USER_PATH ? SettingsScope::User
                                                                   : SettingsScope::Machine,
                                 "", "Path", path);
                value = path + "/" + entry->valueText;
                break;
            }
            default:
                break;
        }
        return 0;
    }
    return 1;
}

void CheckAndCreateDirectory(const char* subkey, const char* valueName, const char* defaultBase) {
    const std::string section = subkey ? subkey : "";
    const std::string name = valueName ? valueName : "";
    std::string value;
    if (ReadFamilyString(SettingsScope::User, section, name, value))
        return;
    if (ReadFamilyString(SettingsScope::Machine, section, name, value)) {
        WriteFamilyString(SettingsScope::User, section, name, value);
        return;
    }
    if (defaultBase == nullptr || *defaultBase == '\0')
        return;
    value = std::string(defaultBase) + "/" + section;
    WriteFamilyString(SettingsScope::Machine, section, name, value);
    ::mkdir(value.c_str(), 0777);  // one level; an existing folder is fine
    WriteFamilyString(SettingsScope::User, section, name, value);
}

void Initial() {
    std::string path;
    ReadFamilyString(SettingsScope::Machine, "", "Path", path);
    CheckAndCreateDirectory("ExportFilter", "LocalPath", path.c_str());
    CheckAndCreateDirectory("ExportFilter", "GroupPath", nullptr);
}

}  // namespace grafyon::environment
