// Texts of the file information in the current language: numbered texts and page words.
#pragma once

#include <QString>

#include <span>

#include "viewer/data/info/info_texts.h"
#include "viewer/strings/numbered_text.h"

namespace grafyon {

inline constexpr int INFO_STR_TIME_FORMAT = 1075;  // "%H:%M:%S"
inline constexpr int INFO_STR_DATE_FORMAT = 1076;  // "%m/%d/%y"
inline constexpr int INFO_STR_GENERAL = 5120;
inline constexpr int INFO_STR_DATASETS = 5122;
inline constexpr int INFO_STR_COMMENTARY = 5124;
inline constexpr int INFO_STR_RANGES = 5125;  // also the title of the "Ranges" toolbar
inline constexpr int INFO_STR_DATA_RANGES = 5127;
inline constexpr int INFO_STR_PARAMETER = 5136;
inline constexpr int INFO_STR_UNDEFINED = 5138;

// The translation context of the page words that have no number.
inline constexpr char INFO_TEXTS_CONTEXT[] = "grafyon::InfoTexts";

std::span<const ViewerStringEntry> InfoStringTable();
QString InfoString(int id);

// A page word without a number: where it goes and its English text.
struct InfoWord {
    std::string InfoTexts::*member;
    const char* english;
};
std::span<const InfoWord> InfoWords();

// Every text of the pages in the current language.
InfoTexts TranslatedInfoTexts();

}  // namespace grafyon
