// Cells of a text line: number formats by column settings and alignment in a field.
#include <gtest/gtest.h>

#include "exportfilter/formats/text/text_cells.h"

namespace grafyon::exportfilter {
namespace {

std::string Aligned(std::string text, int width, TextAlignment alignment) {
    AlignInField(text, width, alignment);
    return text;
}

TEST(TextCells, NumberFormatFollowsWidthModeFormatAndLimits) {
    CQuenarChannelDefText column;
    EXPECT_EQ(ColumnNumberFormat(column), "%12.3f");
    column.numberFormat = 1;
    EXPECT_EQ(ColumnNumberFormat(column), "%12.3e");
    column.numberFormat = 2;
    column.widthMode = 1;
    column.precision = 6;
    EXPECT_EQ(ColumnNumberFormat(column), "%.6g");
    // Values out of their ranges are used clamped.
    column.widthMode = 0;
    column.numberFormat = 9;
    column.precision = 99;
    column.numberWidth = 0;
    EXPECT_EQ(ColumnNumberFormat(column), "%1.24g");
    column.numberFormat = -3;
    column.precision = -1;
    column.numberWidth = 26;
    EXPECT_EQ(ColumnNumberFormat(column), "%25.0f");
}

TEST(TextCells, AlignmentMovesTheTextOverItsSpaces) {
    // A number right-justified by its own format, then in a wider field.
    EXPECT_EQ(Aligned("       3.142", 16, TextAlignment::Right), "           3.142");
    EXPECT_EQ(Aligned("       3.142", 16, TextAlignment::Left), "3.142           ");
    EXPECT_EQ(Aligned("       3.142", 16, TextAlignment::Center), "     3.142      ");
    EXPECT_EQ(Aligned("  ab ", 6, TextAlignment::Center), "  ab  ");
    // At the width, one short of it, and longer: a longer text stays whole.
    EXPECT_EQ(Aligned("abcd", 4, TextAlignment::Right), "abcd");
    EXPECT_EQ(Aligned("abc", 4, TextAlignment::Right), " abc");
    EXPECT_EQ(Aligned("abcde", 4, TextAlignment::Left), "abcde");
    EXPECT_EQ(Aligned(" abcde", 4, TextAlignment::Left), "abcde ");
    // Width 0: no padding; the text only moves over its own spaces.
    EXPECT_EQ(Aligned(" x  ", 0, TextAlignment::Left), "x   ");
    EXPECT_EQ(Aligned(" x  ", 0, TextAlignment::Right), "   x");
    EXPECT_EQ(Aligned("", 0, TextAlignment::Right), "");
    // Spaces only stay as they are; an empty text becomes the field's spaces.
    EXPECT_EQ(Aligned("   ", 2, TextAlignment::Left), "   ");
    EXPECT_EQ(Aligned("", 3, TextAlignment::Center), "   ");
    // Inner spaces belong to the text.
    EXPECT_EQ(Aligned("a b", 5, TextAlignment::Right), "  a b");
}

TEST(TextCells, SeparatorsByChoice) {
    CQuenarChannelDefText column;
    const std::pair<int, std::string> expected[] = {{0, ""},  {1, ";"}, {2, " "}, {3, "\t"},
                                                    {4, "|"}, {5, "|"}, {-1, ""}};
    for (const auto& [choice, text] : expected) {
        column.separator = choice;
        EXPECT_EQ(SeparatorText(column), text) << choice;
    }
    // A user separator stored with CR LF keeps one line end; text becomes Windows-1252.
    column.separator = 1;
    column.separatorText = "a\r\nb\n°";
    EXPECT_EQ(SeparatorText(column), "a\nb\n\xB0");
}

}  // namespace
}  // namespace grafyon::exportfilter
