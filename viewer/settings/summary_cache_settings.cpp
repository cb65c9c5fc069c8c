// Reading and writing section "Summary Cache".
#include "viewer/settings/summary_cache_settings.h"

#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

constexpr std::string_view S = "Summary Cache";

}  // namespace

void ReadSummaryCacheSettings(const SettingsFile& file, SummaryCacheSettings& s) {
    s.enabled = ReadBoolValue(file, S, "Enabled", s.enabled);
    s.limitMiB =
        ReadClampedInt(file, S, "Limit MiB", s.limitMiB, 0, SummaryCacheSettings::LIMIT_MIB_MAX);
}

SummaryCacheSettings ReadSummaryCacheSettings() {
    SummaryCacheSettings settings;
    ReadSummaryCacheSettings(*OpenViewerSettingsFile(), settings);
    return settings;
}

bool WriteSummaryCacheSettings(SettingsFile& file, const SummaryCacheSettings& s) {
    bool ok = WriteBoolValue(file, S, "Enabled", s.enabled);
    ok &= StoreInt(file, S, "Limit MiB", s.limitMiB);
    return ok;
}

}  // namespace grafyon
