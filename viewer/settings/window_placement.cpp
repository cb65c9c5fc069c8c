// Formatting, parsing and the screen test of the stored window placement.
#include "viewer/settings/window_placement.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

constexpr std::string_view VALUE_NAME = "App Window Position";

void Append(std::string& text, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

// One number as scanf's %d or %u reads it: blanks, then a sign (only for %d) and digits.
bool ScanNumber(std::string_view text, std::size_t& pos, bool isSigned, std::int64_t& value) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' ||
                                 text[pos] == '\r' || text[pos] == '\v' || text[pos] == '\f')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || (isSigned && text[pos] == '-'))) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint64_t magnitude = 0;
    const char* begin = text.data() + pos;
    const auto result = std::from_chars(begin, text.data() + text.size(), magnitude);
    if (result.ec != std::errc())
        return false;
    pos += static_cast<std::size_t>(result.ptr - begin);
    const std::uint64_t limit =
        isSigned ? (negative ? 2147483648ULL : 2147483647ULL) : 4294967295ULL;
    if (magnitude > limit)
        return false;
    value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

std::int64_t Overlap(int lowA, int highA, int lowB, int highB) {
    return std::int64_t{std::min(highA, highB)} - std::int64_t{std::max(lowA, lowB)};
}

}  // namespace

std::string FormatWindowPlacement(const WindowPlacement& p) {
    std::string text;
    const std::int64_t numbers[10] = {p.flags,        p.showCommand,  p.minimizedX,  p.minimizedY,
                                      p.maximizedX,   p.maximizedY,   p.normal.left, p.normal.top,
                                      p.normal.right, p.normal.bottom};
    for (int i = 0; i < 10; ++i) {
        if (i > 0)
            text += ',';
        Append(text, numbers[i]);
    }
    return text;
}

std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text) {
    std::int64_t numbers[10] = {};
    std::size_t pos = 0;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',')
                return std::nullopt;
            ++pos;
        }
        if (!ScanNumber(text, pos, i >= 2, numbers[i]))
            return std::nullopt;
    }
    WindowPlacement p;
    p.flags = static_cast<unsigned>(numbers[0]);
    p.showCommand = static_cast<unsigned>(numbers[1]);
    p.minimizedX = static_cast<int>(numbers[2]);
    p.minimizedY = static_cast<int>(numbers[3]);
    p.maximizedX = static_cast<int>(numbers[4]);
    p.maximizedY = static_cast<int>(numbers[5]);
    p.normal = {static_cast<int>(numbers[6]), static_cast<int>(numbers[7]),
                static_cast<int>(numbers[8]), static_cast<int>(numbers[9])};
    return p;
}

bool IsMinimizedShowCommand(unsigned showCommand) {
    return showCommand == PLACEMENT_SHOW_MINIMIZED || showCommand == PLACEMENT_SHOW_MINIMIZE ||
           showCommand == PLACEMENT_SHOW_MIN_NO_ACTIVE ||
           showCommand == PLACEMENT_SHOW_FORCE_MINIMIZE;
}

WindowPlacement PlacementForStorage(WindowPlacement placement) {
    if (IsMinimizedShowCommand(placement.showCommand)) {
        placement.showCommand = PLACEMENT_SHOW_NORMAL;
    }
    return placement;
}

bool PlacementIsOnScreen(const WindowPlacement& placement,
                         const std::vector<PlacementRect>& screens) {
    const PlacementRect& r = placement.normal;
    const std::int64_t width = std::int64_t{r.right} - r.left;
    const std::int64_t height = std::int64_t{r.bottom} - r.top;
    if (width <= 0 || height <= 0 || screens.empty())
        return false;

    // A window larger than every screen together comes from a damaged file; applying it
    // would ask for an enormous window buffer.
    PlacementRect all = screens.front();
    for (const PlacementRect& s : screens) {
        all.left = std::min(all.left, s.left);
        all.top = std::min(all.top, s.top);
        all.right = std::max(all.right, s.right);
        all.bottom = std::max(all.bottom, s.bottom);
    }
    if (width > std::int64_t{all.right} - all.left || height > std::int64_t{all.bottom} - all.top) {
        return false;
    }

    const std::int64_t needX = std::min<std::int64_t>(PLACEMENT_MIN_VISIBLE, width);
    const std::int64_t needY = std::min<std::int64_t>(PLACEMENT_MIN_VISIBLE, height);
    return std::any_of(screens.begin(), screens.end(), [&](const PlacementRect& s) {
        return Overlap(r.left, r.right, s.left, s.right) >= needX &&
               Overlap(r.top, r.bottom, s.top, s.bottom) >= needY;
    });
}

std::optional<WindowPlacement> ReadWindowPlacement(const SettingsFile& file) {
    const std::optional<std::string> text = file.ReadString(VIEWER_SETTINGS_SECTION, VALUE_NAME);
    if (!text)
        return std::nullopt;
    return ParseWindowPlacement(*text);
}

bool WriteWindowPlacement(SettingsFile& file, const WindowPlacement& placement) {
    return StoreString(file, VIEWER_SETTINGS_SECTION, VALUE_NAME,
                       FormatWindowPlacement(PlacementForStorage(placement)));
}

}  // namespace grafyon
