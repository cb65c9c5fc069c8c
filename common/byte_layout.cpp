// Text fields of binary records, checked and converted between Windows-1252 and UTF-8.
#include "byte_layout.h"

#include <algorithm>

#include "common/codec_1252.h"

namespace grafyon {

namespace {

constexpr std::uint8_t BLANK = ' ';

}  // namespace

std::string GetText(std::span<const std::uint8_t> bytes, Field field, TextFill fill) {
    if (!FieldInside(bytes.size(), field))
        return {};
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(field.offset);
    const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(field.size), 0);
    std::string text(begin, end);
    if (fill == TextFill::Blank)
        text.erase(text.find_last_not_of(static_cast<char>(BLANK)) + 1);
    return Cp1252ToUtf8(text);
}

bool PutText(std::span<std::uint8_t> bytes, Field field, std::string_view utf8, TextFill fill) {
    if (!FieldInside(bytes.size(), field) || (fill == TextFill::Zero && field.size == 0))
        return false;
    const std::size_t room = fill == TextFill::Zero ? field.size - 1 : field.size;
    std::string encoded = Utf8ToCp1252(utf8);
    encoded.resize(std::min({encoded.size(), encoded.find('\0'), room}));
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(field.offset);
    const auto end = begin + static_cast<std::ptrdiff_t>(field.size);
    if (fill == TextFill::Zero) {
        const auto stored = std::find(begin, end, std::uint8_t{0});
        const auto same = [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); };
        if (stored != end && std::equal(begin, stored, encoded.begin(), encoded.end(), same))
            return true;
    }
    std::fill(std::copy(encoded.begin(), encoded.end(), begin), end,
              fill == TextFill::Blank ? BLANK : std::uint8_t{0});
    return true;
}

}  // namespace grafyon
