// The viewer's settings file and the helpers that read and write its single values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/settings_file.h"

namespace grafyon {

inline constexpr std::string_view VIEWER_SETTINGS_NAME = "Grafyon";
inline constexpr std::string_view VIEWER_SETTINGS_SECTION = "Settings";
inline constexpr std::string_view VIEWER_COLORS_SECTION = "Colors";

// The user's settings file of the viewer ($XDG_CONFIG_HOME/Vantorelline/Grafyon.ini).
std::unique_ptr<SettingsFile> OpenViewerSettingsFile();

// prefix + " " + suffix; no space when the prefix is empty or already ends with one.
std::string ValueName(std::string_view prefix, std::string_view suffix);

// Write a value only when the file does not hold that text already: every write rewrites
// and flushes the whole file, and at exit nearly every value is unchanged. The file ends up
// the same as after a plain write; true when the value is in the file.
bool StoreString(SettingsFile& file, std::string_view section, std::string_view name,
                 std::string_view value);
bool StoreInt(SettingsFile& file, std::string_view section, std::string_view name,
              std::int64_t value);

// "%g" of the C locale, whatever the process locale is.
std::string FormatDouble(double value);
// The decimal number at the start of text (leading blanks and a sign allowed), as the C
// library's decimal conversion reads it in the C locale. A text that does not begin with a
// finite number, or whose number is out of the range of a double, reads as 0.
double ParseLeadingDouble(std::string_view text);

// A value stored as "%g" text; missing values give defaultValue.
double ReadDouble(const SettingsFile& file, std::string_view section, std::string_view name,
                  double defaultValue);
bool WriteDouble(SettingsFile& file, std::string_view section, std::string_view name, double value);

// An integer value saturated to the range of int; missing (or not an integer) gives
// defaultValue.
int ReadIntValue(const SettingsFile& file, std::string_view section, std::string_view name,
                 int defaultValue);
// The same, then clamped to [minimum, maximum].
int ReadClampedInt(const SettingsFile& file, std::string_view section, std::string_view name,
                   int defaultValue, int minimum, int maximum);
// Stored as 0 or 1; any stored number above 0 reads as true.
bool ReadBoolValue(const SettingsFile& file, std::string_view section, std::string_view name,
                   bool defaultValue);
bool WriteBoolValue(SettingsFile& file, std::string_view section, std::string_view name,
                    bool value);
std::string ReadStringValue(const SettingsFile& file, std::string_view section,
                            std::string_view name, std::string_view defaultValue);

}  // namespace grafyon
