// What the option sheet edits, and how its result reaches the settings and the font.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "viewer/settings/log_font.h"
#include "viewer/settings/viewer_settings.h"

namespace grafyon {

// The pages of the option sheet in their order.
enum OptionPage {
    OPTION_PAGE_START = 0,
    OPTION_PAGE_HANDLING,
    OPTION_PAGE_LABELLING,
    OPTION_PAGE_LANGUAGE
};
inline constexpr int OPTION_PAGE_COUNT = 4;

// Spin ranges of the "Start" and "Labelling" pages.
inline constexpr int NUM_OF_VALUES_SPIN_MIN = 2;
inline constexpr int NUM_OF_VALUES_SPIN_MAX = 100000;
// Font sizes the "Labelling" page accepts.
inline constexpr int FONT_SIZE_MIN = 1;
inline constexpr int FONT_SIZE_MAX = 999;

// Codes of "LanguageID".
inline constexpr char LANGUAGE_ID_ENGLISH[] = "ENU";
inline constexpr char LANGUAGE_ID_GERMAN[] = "DEU";

// The working copy of the sheet; the pages edit it and OK applies it.
struct OptionValues {
    // "Start"
    int startIntervalMode = START_SPEED_OPTIMIZED;
    int numOfValues = 1000;
    double timeInterval = 10.0;
    int valueInterval = 100;
    int curveScalingMode = 0;
    int scalingReferenceMode = 1;
    // "Handling"
    int centerMode = 0;
    bool summaryCache = true;         // section "Summary Cache", "Enabled"
    int summaryCacheLimitMiB = 2048;  // "Limit MiB"
    // "Labelling"
    LogFont font;
    int formatType = 1;
    int formatWidth = 10;
    int formatPrecision = 6;
    // "Language"
    bool german = false;
};

// What OK changed, so the caller knows what to redo.
struct OptionChanges {
    bool accepted = false;      // the sheet was closed with OK
    bool settings = false;      // a "Start" or "Handling" value: acts on the next document
    bool fontOrFormat = false;  // rebuild the cursor value format and redraw
    bool language = false;      // the language differs from the one at opening
    bool Any() const { return settings || fontOrFormat || language; }
};

// "German" when the stored code is "DEU" (in any case, as start-up reads it), else "English".
bool IsGermanLanguageId(const std::optional<std::string>& languageId);
const char* LanguageIdFor(bool german);

OptionValues OptionValuesFrom(const ViewerSettings& settings, const LogFont& font,
                              const std::optional<std::string>& languageId);

// The cursor value box needs room for sign, point and exponent beside the digits: a
// precision above width - 3 widens the width to precision + 3.
int AdjustedFormatWidth(int width, int precision);

// A font size as the "Labelling" page takes it: a whole number 1..999; anything else is
// no size, and the page keeps the previous one.
std::optional<int> ParseFontSize(std::string_view text);

// Writes the values into the settings and the font. The language itself is stored by the
// caller; germanAtOpening tells whether it changed. The initial view is validated as a
// fresh start would validate it, so the fields hold what the next document will use.
OptionChanges ApplyOptionValues(OptionValues values, bool germanAtOpening, ViewerSettings& settings,
                                LogFont& font);

}  // namespace grafyon
