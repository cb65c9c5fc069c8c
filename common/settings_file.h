// The settings layer: one INI file per name in the user or the machine scope, with
// value and section names compared without regard to case.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace grafyon {

enum class SettingsScope {
    User,    // $XDG_CONFIG_HOME/Vantorelline/<Name>.ini
    Machine  // Vantorelline/<Name>.ini in the first folder of $XDG_CONFIG_DIRS
};

class SettingsFile {
public:
    // name is the file's base name, for example "Grafyon" or "Vantorelline".
    SettingsFile(SettingsScope scope, std::string_view name);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    static std::string PathFor(SettingsScope scope, std::string_view name);
    const std::string& Path() const { return m_path; }

    // section "" is the file's top level. Missing values give std::nullopt.
    std::optional<std::string> ReadString(std::string_view section, std::string_view name) const;
    // An integer value; a text that is no whole integer counts as missing.
    std::optional<std::int64_t> ReadInt(std::string_view section, std::string_view name) const;

    // Writes are flushed at once; false when the file could not be written. An existing
    // value whose name differs only in case is replaced under its stored name.
    bool WriteString(std::string_view section, std::string_view name, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view name, std::int64_t value);
    bool Remove(std::string_view section, std::string_view name);

    // Between these two, writes stay in memory and reach the file once at the end, so
    // storing many values rewrites the file once; EndBatch reports whether it was written.
    void BeginBatch();
    bool EndBatch();

    // The value names of a section, sorted.
    std::vector<std::string> ValueNames(std::string_view section) const;

private:
    bool Sync();

    std::string m_path;
    std::unique_ptr<QSettings> m_settings;
    int m_batchDepth = 0;
};

}  // namespace grafyon
