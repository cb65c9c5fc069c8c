// The family's folder settings, without any user interface.
#pragma once

#include <string>
#include <string_view>

#include "common/settings_file.h"

namespace grafyon::environment {

// How a property's value is obtained.
enum PropertyKind {
    PROPERTY_USER_VALUE = 1,     // user scope, "Vantorelline\<subkey>", value text
    PROPERTY_MACHINE_VALUE = 2,  // the same in the machine scope
    PROPERTY_USER_PATH = 3,      // user "Path" + "/" + value text
    PROPERTY_MACHINE_PATH = 4    // machine "Path" + "/" + value text
};

struct PropertyEntry {
    int number;
    int enabled;
    int kind;
    const char* subkey;
    const char* valueText;
};

// The fixed table, ended by an entry with number 0.
const PropertyEntry* PropertyTable();

// Reads a string of "Vantorelline[\<subkey>]"; false (value unchanged) when missing.
bool ReadFamilyString(SettingsScope scope, std::string_view subkey, std::string_view name,
                      std::string& value);
// Writes it; a failed write is ignored by the callers.
bool WriteFamilyString(SettingsScope scope, std::string_view subkey, std::string_view name,
                       std::string_view value);

int GetProperty(int property, std::string& value);
void CheckAndCreateDirectory(const char* subkey, const char* valueName, const char* defaultBase);
void Initial();

}  // namespace grafyon::environment
