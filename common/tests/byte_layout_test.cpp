// Checked field access: both byte orders, fields at the edge of a record, text fills.
#include <gtest/gtest.h>

#include <vector>

#include "common/byte_layout.h"

namespace grafyon {
namespace {

TEST(ByteLayout, NumbersInBothOrdersUpToTheLastByteOfTheRecord) {
    std::vector<std::uint8_t> bytes(12, 0xAA);
    EXPECT_TRUE(PutU32LE(bytes, Field{0, 4}, 0x01020304));
    EXPECT_TRUE(PutU32BE(bytes, Field{4, 4}, 0x01020304));
    EXPECT_TRUE(PutU16BE(bytes, Field{10, 2}, 0xBEEF));  // ends on the last byte
    EXPECT_EQ(bytes[0], 0x04);
    EXPECT_EQ(bytes[4], 0x01);
    EXPECT_EQ(GetU32LE(bytes, Field{0, 4}), 0x01020304u);
    EXPECT_EQ(GetU32BE(bytes, Field{4, 4}), 0x01020304u);
    EXPECT_EQ(GetU32LE(bytes, Field{4, 4}), 0x04030201u);
    EXPECT_EQ(GetU16BE(bytes, Field{10, 2}), 0xBEEF);
    EXPECT_EQ(GetU8(bytes, Field{11, 1}), 0xEF);

    EXPECT_TRUE(PutF64BE(bytes, Field{4, 8}, -1.5));
    EXPECT_EQ(GetF64BE(bytes, Field{4, 8}), -1.5);
    EXPECT_TRUE(PutF32LE(bytes, Field{0, 4}, 0.25f));
    EXPECT_EQ(GetF32LE(bytes, Field{0, 4}), 0.25f);
}

TEST(ByteLayout, FieldsPastTheEndOrTooNarrowAreNeitherReadNorWritten) {
    std::vector<std::uint8_t> bytes(8, 0xAA);
    const std::vector<std::uint8_t> before = bytes;
    EXPECT_FALSE(PutU32LE(bytes, Field{5, 4}, 1));  // one byte past the end
    EXPECT_FALSE(PutU64LE(bytes, Field{0, 4}, 1));  // narrower than the value
    EXPECT_FALSE(PutU8(bytes, Field{8, 1}, 1));
    EXPECT_FALSE(PutU16LE(bytes, Field{~std::size_t{0}, 2}, 1));  // offset + size wraps
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(GetU32LE(bytes, Field{5, 4}), 0u);
    EXPECT_EQ(GetU64BE(bytes, Field{0, 4}), 0u);
    EXPECT_EQ(GetU8(bytes, Field{8, 1}), 0u);
    EXPECT_EQ(GetText(bytes, Field{6, 3}), "");
}

TEST(ByteLayout, TextsAreCutToTheirFieldAndFilled) {
    std::vector<std::uint8_t> bytes(10, 0xAA);
    // Zero fill keeps one byte for the terminator; the text is Windows-1252 in the field.
    EXPECT_TRUE(PutText(bytes, Field{0, 4}, "Größe"));
    EXPECT_EQ(bytes[2], 0xF6);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(GetText(bytes, Field{0, 4}), "Grö");
    EXPECT_FALSE(PutText(bytes, Field{4, 0}, "x"));  // no room for the terminator

    // Blank fill may use the whole field; trailing blanks are no part of the text.
    EXPECT_TRUE(PutText(bytes, Field{4, 6}, "ab", TextFill::Blank));
    EXPECT_EQ(bytes[9], ' ');
    EXPECT_EQ(GetText(bytes, Field{4, 6}, TextFill::Blank), "ab");
    EXPECT_EQ(GetText(bytes, Field{4, 6}), "ab    ");
    EXPECT_TRUE(PutText(bytes, Field{4, 6}, "abcdefgh", TextFill::Blank));
    EXPECT_EQ(GetText(bytes, Field{4, 6}, TextFill::Blank), "abcdef");
    EXPECT_TRUE(PutText(bytes, Field{4, 6}, std::string_view("a\0b", 3), TextFill::Blank));
    EXPECT_EQ(GetText(bytes, Field{4, 6}, TextFill::Blank), "a");
}

TEST(ByteLayout, AZeroFilledFieldThatHoldsTheTextKeepsItsBytesAfterTheTerminator) {
    std::vector<std::uint8_t> bytes = {0xE4, 0, 0x77, 0x88};  // "ä", then other bytes
    EXPECT_TRUE(PutText(bytes, Field{0, 4}, "ä"));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0xE4, 0, 0x77, 0x88}));
    EXPECT_TRUE(PutText(bytes, Field{0, 4}, "b"));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'b', 0, 0, 0}));
}

}  // namespace
}  // namespace grafyon
