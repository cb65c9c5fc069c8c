// Reading and writing the curve color table.
#include "viewer/settings/curve_colors.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "viewer/settings/active_palette.h"
#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

constexpr std::string_view COUNT_NAME = "Number of curve colors";

// "CurveColor%02d" of index.
std::string EntryPrefix(int index) {
    std::string digits = std::to_string(index);
    if (digits.size() < 2)
        digits.insert(0, 2 - digits.size(), '0');
    return "CurveColor" + digits;
}

ColorRef ReadColor(const SettingsFile& file, std::string_view name) {
    const std::optional<std::int64_t> value = file.ReadInt(VIEWER_COLORS_SECTION, name);
    // Colors are 32-bit values, written as signed numbers; anything else reads as black.
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::uint32_t>::max()) {
        return 0;
    }
    return static_cast<ColorRef>(static_cast<std::uint32_t>(*value));
}

}  // namespace

CurveColors::CurveColors() : m_entries(DefaultCurveColors()) {}

CurveColors::~CurveColors() {
    if (IsActivePalette(&m_entries))
        SetActivePalette(nullptr);
}

ColorList CurveColors::ReadTable(const SettingsFile& file) {
    const std::int64_t stored = file.ReadInt(VIEWER_COLORS_SECTION, COUNT_NAME).value_or(0);
    // Datasets take their color modulo the table size, so the table is never left empty.
    if (stored <= 0)
        return DefaultCurveColors();
    const int count = static_cast<int>(std::min<std::int64_t>(stored, CURVE_COLORS_MAX));
    ColorList table;
    table.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string prefix = EntryPrefix(i);
        ColorEntry entry;
        entry.color = ReadColor(file, ValueName(prefix, "Color"));
        entry.name = ReadStringValue(file, VIEWER_COLORS_SECTION, ValueName(prefix, "Name"), "");
        table.push_back(std::move(entry));
    }
    return table;
}

bool CurveColors::WriteTable(SettingsFile& file, const ColorList& table) {
    const int count = static_cast<int>(std::min<std::size_t>(table.size(), CURVE_COLORS_MAX));
    file.BeginBatch();
    bool ok = StoreInt(file, VIEWER_COLORS_SECTION, COUNT_NAME, count);
    for (int i = 0; i < count; ++i) {
        const ColorEntry& entry = table[static_cast<std::size_t>(i)];
        const std::string prefix = EntryPrefix(i);
        ok &= StoreInt(file, VIEWER_COLORS_SECTION, ValueName(prefix, "Color"),
                       static_cast<std::int32_t>(entry.color));
        ok &= StoreString(file, VIEWER_COLORS_SECTION, ValueName(prefix, "Name"), entry.name);
    }
    ok &= file.EndBatch();
    return ok;
}

void CurveColors::Read(const SettingsFile& file) {
    m_entries = ReadTable(file);
    SetActivePalette(&m_entries);
}

void CurveColors::Read() {
    Read(*OpenViewerSettingsFile());
}

bool CurveColors::Write(SettingsFile& file) const {
    return WriteTable(file, m_entries);
}

bool CurveColors::Write() const {
    return Write(*OpenViewerSettingsFile());
}

const ColorEntry& CurveColors::EntryForDataset(std::size_t datasetIndex) const {
    const ColorList& table = m_entries.empty() ? DefaultCurveColors() : m_entries;
    return table[datasetIndex % table.size()];
}

ColorRef CurveColors::ForDataset(std::size_t datasetIndex) const {
    return EntryForDataset(datasetIndex).color;
}

}  // namespace grafyon
