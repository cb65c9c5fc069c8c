// Single values of the viewer's settings file, independent of the process locale.
#include "viewer/settings/settings_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace grafyon {

std::unique_ptr<SettingsFile> OpenViewerSettingsFile() {
    return std::make_unique<SettingsFile>(SettingsScope::User, VIEWER_SETTINGS_NAME);
}

std::string ValueName(std::string_view prefix, std::string_view suffix) {
    std::string name(prefix);
    if (!name.empty() && name.back() != ' ')
        name += ' ';
    name += suffix;
    return name;
}

bool StoreString(SettingsFile& file, std::string_view section, std::string_view name,
                 std::string_view value) {
    const std::optional<std::string> stored = file.ReadString(section, name);
    if (stored && *stored == value)
        return true;
    return file.WriteString(section, name, value);
}

bool StoreInt(SettingsFile& file, std::string_view section, std::string_view name,
              std::int64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return StoreString(file, section, name, std::string_view(text, result.ptr - text));
}

std::string FormatDouble(double value) {
    // to_chars with a precision produces exactly the bytes of printf("%.*g") in the C locale.
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

double ParseLeadingDouble(std::string_view text) {
    std::size_t pos = 0;
    auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // from_chars refuses a sign of its own after ours; "--1" is no number either.
    if (pos >= text.size() || text[pos] == '+' || text[pos] == '-')
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + pos, text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

double ReadDouble(const SettingsFile& file, std::string_view section, std::string_view name,
                  double defaultValue) {
    const std::optional<std::string> text = file.ReadString(section, name);
    return text ? ParseLeadingDouble(*text) : defaultValue;
}

bool WriteDouble(SettingsFile& file, std::string_view section, std::string_view name,
                 double value) {
    return StoreString(file, section, name, FormatDouble(value));
}

int ReadIntValue(const SettingsFile& file, std::string_view section, std::string_view name,
                 int defaultValue) {
    const std::optional<std::int64_t> value = file.ReadInt(section, name);
    if (!value)
        return defaultValue;
    return static_cast<int>(std::clamp<std::int64_t>(*value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int ReadClampedInt(const SettingsFile& file, std::string_view section, std::string_view name,
                   int defaultValue, int minimum, int maximum) {
    return std::clamp(ReadIntValue(file, section, name, defaultValue), minimum, maximum);
}

bool ReadBoolValue(const SettingsFile& file, std::string_view section, std::string_view name,
                   bool defaultValue) {
    return ReadIntValue(file, section, name, defaultValue ? 1 : 0) > 0;
}

bool WriteBoolValue(SettingsFile& file, std::string_view section, std::string_view name,
                    bool value) {
    return StoreInt(file, section, name, value ? 1 : 0);
}

std::string ReadStringValue(const SettingsFile& file, std::string_view section,
                            std::string_view name, std::string_view defaultValue) {
    std::optional<std::string> text = file.ReadString(section, name);
    return text ? std::move(*text) : std::string(defaultValue);
}

}  // namespace grafyon
