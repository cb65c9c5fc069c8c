// Section "Summary Cache": defaults, a round trip, and the limit clamped at both ends.
#include <gtest/gtest.h>

#include "common/settings_file.h"
#include "test_support.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/summary_cache_settings.h"

namespace grafyon {
namespace {

TEST(SummaryCacheSettings, DefaultsRoundTripAndTheLimitsRange) {
    test::ScopedConfigDirs dirs;
    EXPECT_EQ(ReadSummaryCacheSettings(), SummaryCacheSettings{});
    EXPECT_TRUE(SummaryCacheSettings{}.enabled);
    EXPECT_EQ(SummaryCacheSettings{}.LimitBytes(), std::uint64_t(2) << 30);

    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(WriteSummaryCacheSettings(*file, {false, 300}));
    EXPECT_EQ(ReadSummaryCacheSettings(), (SummaryCacheSettings{false, 300}));

    const std::pair<int, int> limits[] = {
        {-1, 0},
        {0, 0},
        {SummaryCacheSettings::LIMIT_MIB_MAX, SummaryCacheSettings::LIMIT_MIB_MAX},
        {SummaryCacheSettings::LIMIT_MIB_MAX + 1, SummaryCacheSettings::LIMIT_MIB_MAX}};
    for (const auto& [stored, read] : limits) {
        ASSERT_TRUE(StoreInt(*file, "Summary Cache", "Limit MiB", stored));
        EXPECT_EQ(ReadSummaryCacheSettings().limitMiB, read) << stored;
    }
}

}  // namespace
}  // namespace grafyon
