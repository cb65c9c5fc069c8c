// Section "Summary Cache": whether opening keeps and uses summary cache files, and the most
// the cache folder may hold.
#pragma once

#include <cstdint>

namespace grafyon {

class SettingsFile;

struct SummaryCacheSettings {
    static constexpr int LIMIT_MIB_MAX = 1 << 20;  // 1 TiB

    bool enabled = true;  // "Enabled"
    int limitMiB = 2048;  // "Limit MiB", 0 .. LIMIT_MIB_MAX

    std::uint64_t LimitBytes() const { return std::uint64_t(limitMiB) << 20; }
    bool operator==(const SummaryCacheSettings&) const = default;
};

// A missing value keeps the field's current value; the limit is clamped to its range.
void ReadSummaryCacheSettings(const SettingsFile& file, SummaryCacheSettings& settings);
SummaryCacheSettings ReadSummaryCacheSettings();  // from the user's settings file
bool WriteSummaryCacheSettings(SettingsFile& file, const SummaryCacheSettings& settings);

}  // namespace grafyon
