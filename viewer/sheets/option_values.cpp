// The option sheet's working copy and its application to the settings.
#include "viewer/sheets/option_values.h"

#include <algorithm>
#include <cctype>

#include "viewer/sheets/field_parse.h"

namespace grafyon {

bool IsGermanLanguageId(const std::optional<std::string>& languageId) {
    if (!languageId || languageId->size() != 3)
        return false;
    return std::equal(
        languageId->begin(), languageId->end(), LANGUAGE_ID_GERMAN,
        [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

const char* LanguageIdFor(bool german) {
    return german ? LANGUAGE_ID_GERMAN : LANGUAGE_ID_ENGLISH;
}

OptionValues OptionValuesFrom(const ViewerSettings& settings, const LogFont& font,
                              const std::optional<std::string>& languageId) {
    OptionValues v;
    v.startIntervalMode = std::clamp(settings.xAxisStartIntervalMode, 0, 4);
    v.numOfValues = settings.xAxisNumOfValues;
    v.timeInterval = settings.xAxisTimeInterval;
    v.valueInterval = settings.xAxisValueInterval;
    v.curveScalingMode = settings.curveScalingMode == 1 ? 1 : 0;
    v.scalingReferenceMode = settings.scalingReferenceMode == 1 ? 1 : 0;
    v.centerMode = std::clamp(settings.centerMode, 0, 2);
    v.font = font;
    v.formatType = std::clamp(settings.cursorValueFormatType, 0, 2);
    v.formatWidth = settings.cursorValueFormatWidth;
    v.formatPrecision = settings.cursorValueFormatPrecision;
    v.german = IsGermanLanguageId(languageId);
    return v;
}

int AdjustedFormatWidth(int width, int precision) {
    return precision > width - 3 ? precision + 3 : width;
}

std::optional<int> ParseFontSize(std::string_view text) {
    const std::optional<int> size = ParseIntegerField(text);
    if (!size || *size < FONT_SIZE_MIN || *size > FONT_SIZE_MAX)
        return std::nullopt;
    return size;
}

OptionChanges ApplyOptionValues(OptionValues v, bool germanAtOpening, ViewerSettings& settings,
                                LogFont& font) {
    OptionChanges changes;
    changes.accepted = true;

    const ViewerSettings before = settings;
    settings.xAxisStartIntervalMode = v.startIntervalMode;
    settings.xAxisNumOfValues = v.numOfValues;
    settings.xAxisTimeInterval = v.timeInterval;
    settings.xAxisValueInterval = v.valueInterval;
    settings.curveScalingMode = v.curveScalingMode;
    settings.scalingReferenceMode = v.scalingReferenceMode;
    settings.centerMode = v.centerMode;
    ValidateInitialView(settings);
    changes.settings = settings != before;

    v.formatWidth = AdjustedFormatWidth(v.formatWidth, v.formatPrecision);
    const bool fontChanged = v.font.faceName != font.faceName || v.font.height != font.height ||
                             v.font.weight != font.weight || v.font.italic != font.italic;
    const bool formatChanged = v.formatType != settings.cursorValueFormatType ||
                               v.formatWidth != settings.cursorValueFormatWidth ||
                               v.formatPrecision != settings.cursorValueFormatPrecision;
    if (fontChanged || formatChanged) {
        font = v.font;
        settings.cursorValueFormatType = v.formatType;
        settings.cursorValueFormatWidth = v.formatWidth;
        settings.cursorValueFormatPrecision = v.formatPrecision;
        changes.fontOrFormat = true;
    }
    changes.language = v.german != germanAtOpening;
    return changes;
}

}  // namespace grafyon
