// Numbered texts: a module's built-in English table and its look-up through the translator.
#pragma once

#include <QString>

#include <span>

namespace grafyon {

struct ViewerStringEntry {
    int id;
    const char* english;
};

// The translation context in which the language module carries the viewer's numbered texts,
// each under its number written in decimal. Numbers are unique across the viewer's tables.
inline constexpr char VIEWER_STRINGS_CONTEXT[] = "GrafyonStrings";

// The entry of id in a table sorted by number, or nullptr.
const ViewerStringEntry* FindNumberedText(std::span<const ViewerStringEntry> table, int id);

// The text of id from the installed translation, else the table's English; empty when the
// table does not hold the number.
QString NumberedText(std::span<const ViewerStringEntry> table, int id);

// The table's English text alone.
QString NumberedTextEnglish(std::span<const ViewerStringEntry> table, int id);

}  // namespace grafyon
