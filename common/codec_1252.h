// Windows-1252 <-> UTF-8: every 8-bit text field of a file passes through here.
#pragma once

#include <string>
#include <string_view>

namespace grafyon {

// Each byte becomes its character; the five bytes that 1252 leaves undefined map to
// the C1 control of the same number, so the round trip loses nothing.
std::string Cp1252ToUtf8(std::string_view bytes);

// Each character that 1252 cannot hold (and each malformed UTF-8 sequence) becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace grafyon
