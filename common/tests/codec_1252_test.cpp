// Windows-1252 <-> UTF-8 conversion.
#include <gtest/gtest.h>

#include "common/codec_1252.h"

namespace grafyon {
namespace {

TEST(Codec1252, DecodesLatinAndTheHighControlRange) {
    EXPECT_EQ(Cp1252ToUtf8("Temp \xB0"
                           "C"),
              "Temp °C");
    EXPECT_EQ(Cp1252ToUtf8("\x80 \x8A \x9F \xE4\xF6\xFC\xDF"), "€ Š Ÿ äöüß");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");  // undefined byte keeps its number
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Codec1252, EncodesAndReplacesWhatItCannotHold) {
    EXPECT_EQ(Utf8ToCp1252("Drehzahl 1/min °C ÄÖÜ €"),
              "Drehzahl 1/min \xB0"
              "C \xC4\xD6\xDC \x80");
    EXPECT_EQ(Utf8ToCp1252("Ω日本"), "???");
    EXPECT_EQ(Utf8ToCp1252("😀x"), "?x");
    // Malformed input: a stray continuation byte, a cut sequence, an overlong form.
    EXPECT_EQ(Utf8ToCp1252("a\x80"
                           "b"),
              "a?b");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");  // a UTF-16 surrogate
}

TEST(Codec1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

}  // namespace
}  // namespace grafyon
