// The curve color table of the application and its storage in section "Colors".
#pragma once

#include <cstddef>

#include "common/settings_file.h"
#include "viewer/settings/color_table.h"

namespace grafyon {

// More entries than this are not read from the file.
inline constexpr int CURVE_COLORS_MAX = 1024;

class CurveColors {
public:
    // Starts with the default table; it becomes the active palette only by Read.
    CurveColors();
    ~CurveColors();
    CurveColors(const CurveColors&) = delete;
    CurveColors& operator=(const CurveColors&) = delete;

    // Replaces the table by the stored one (the defaults when the stored count is 0 or
    // less or missing; at most CURVE_COLORS_MAX entries) and makes it the active palette.
    void Read(const SettingsFile& file);
    void Read();  // from the user's settings file
    // The count, then every entry's color and name in table order; true when all of it
    // reached the file.
    bool Write(SettingsFile& file) const;
    bool Write() const;  // to the user's settings file
    // Empties the table; the active palette then falls back to the standard palette.
    void Clear() { m_entries.clear(); }

    const ColorList& Entries() const { return m_entries; }
    std::size_t Size() const { return m_entries.size(); }
    // The color of dataset datasetIndex: entry datasetIndex modulo the table size.
    ColorRef ForDataset(std::size_t datasetIndex) const;
    const ColorEntry& EntryForDataset(std::size_t datasetIndex) const;

    // The stored table alone, without touching the active palette.
    static ColorList ReadTable(const SettingsFile& file);
    static bool WriteTable(SettingsFile& file, const ColorList& table);

private:
    ColorList m_entries;
};

}  // namespace grafyon
