// The HTML pages: their exact bytes, escaping and the row layouts.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "viewer/data/info/info_page.h"
#include "viewer/data/info/info_tree.h"
#include "viewer/data/info/tests/info_fixture.h"

namespace grafyon {
namespace {

using test::SIX_DIGITS;
using test::SmallRecording;

const char* const HEAD_OPEN = "<html>\r\n<head>\r\n<basefont face=\"sans-serif\">\r\n";
const char* const BODY_OPEN =
    "</head>\r\n\r\n<body bgcolor=\"#FFFACD\">\r\n"
    "<table align=\"left\" width=\"100%\" cellspacing=\"0\" cellpadding=\"1%\" border=\"0\">\r\n";
const char* const SEPARATOR =
    "<tr height=\"3\"><td colspan=\"2\"><hr width=\"110%\" size=\"1\"></td></tr>\r\n";
const char* const CLOSING =
    "<tr height=\"10\"><td colspan=\"2\"><hr width=\"110%\" size=\"1\"></td></tr>\r\n"
    "</table>\r\n</body>\r\n</html>\r\n";

std::string TitleRow(const char* title) {
    return std::string(
               "<tr height=\"20\" bgcolor=\"#FFFACD\"><td colspan=\"2\"><b><font "
               "color=\"#000080\" size=\"4\">") +
           title + "</font></b></td></tr>\r\n";
}

std::string LabelRow(const char* label, const char* value) {
    return std::string("<tr bgcolor=\"#FFFACD\"><td><b><font size=\"2\">&nbsp;&nbsp;") + label +
           ":</font></b></td><td><font size=\"2\">&nbsp;" + value + "</font></td></tr>\r\n";
}

TEST(InfoPage, GeneralPageOfASmallRecording) {
    auto d = SmallRecording();
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "/data/run/small.mdf", SIX_DIGITS);
    const std::string expected =
        std::string(HEAD_OPEN) + "<title>small.mdf</title>\r\n" + BODY_OPEN +
        TitleRow("small.mdf") + SEPARATOR + LabelRow("Number of Datasets", "2") +
        LabelRow("Number of Frames", "1000") + LabelRow("Sample Step", "0.001  [sec]") +
        LabelRow("Sample Rate", "1000  [Hz]") + LabelRow("Date", "05.03.2024  14:07.09") +
        LabelRow("Frame Size", "6") + LabelRow("File Path", "/data/run") +
        LabelRow("Data File", "small.dta") + CLOSING;
    EXPECT_EQ(RenderInfoPage(tree[0]), expected);
}

TEST(InfoPage, DatasetPageEscapesTheFilesTexts) {
    auto d = SmallRecording();
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "/data/run/small.mdf", SIX_DIGITS);
    const std::string heading =
        "<tr bgcolor=\"#EEE8AA\"><td colspan=\"2\"><b><font size=\"3\" "
        "color=\"#000000\">&nbsp;";
    const std::string value =
        "<tr bgcolor=\"#FFFACD\"><td colspan=\"2\"><font size=\"2\">&nbsp;&nbsp;";
    std::string rows;
    for (const auto& [h, v] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Label", "Voltage &amp; &quot;more&quot;"},
             {"Unit", "V"},
             {"Calibration Factor", "0.5"},
             {"Calibration Offset", "1"},
             {"Data Type", "SHORT LittleEndian Calibrated"},
             {"Data Type Size", "2 Bytes"},
             {"Data Mask", "FFFF hex"},
             {"Frame Offset", "0"},
             {"Values per Frame", "1"}}) {
        rows += heading + h + ":</font></b></td></tr>\r\n";
        rows += value + v + "</font></td></tr>\r\n";
    }
    const std::string expected = std::string(HEAD_OPEN) + "<title>1 U&lt;5V</title>\r\n" +
                                 BODY_OPEN + TitleRow("1 U&lt;5V") + SEPARATOR + rows + CLOSING;
    EXPECT_EQ(RenderInfoPage(tree[1].children[0]), expected);
}

TEST(InfoPage, EscapesMarkupAndTurnsLineEndsIntoBreaks) {
    EXPECT_EQ(EscapeInfoText("<5V"), "&lt;5V");
    EXPECT_EQ(EscapeInfoText("a&b \"c\" >d"), "a&amp;b &quot;c&quot; &gt;d");
    EXPECT_EQ(EscapeInfoText("1\r\n2\n3\r4\n\n"), "1<br>2<br>3<br>4<br><br>");
    EXPECT_EQ(EscapeInfoText("\r"), "<br>");
    EXPECT_EQ(EscapeInfoText("Ä 'x'"), "Ä 'x'");

    InfoNode comments;
    comments.title = "Commentary";
    comments.rows = {{"<script>alert(1)</script>\r\nline two", INFO_ROW_VALUE}};
    const std::string page = RenderInfoPage(comments);
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;<br>line two"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

TEST(InfoPage, LabelsWithoutValuesAndPagesWithoutTitle) {
    InfoNode node;  // no title: neither <title> nor a title row
    node.rows = {
        {"Data File", INFO_ROW_LABEL}, {"Next", INFO_ROW_HEADING}, {"Last", INFO_ROW_LABEL}};
    const std::string expected =
        std::string(HEAD_OPEN) + BODY_OPEN + SEPARATOR +
        "<tr bgcolor=\"#FFFACD\"><td><b><font size=\"2\">&nbsp;&nbsp;Data File:</font></b></td>"
        "<td></td></tr>\r\n"
        "<tr bgcolor=\"#EEE8AA\"><td colspan=\"2\"><b><font size=\"3\" "
        "color=\"#000000\">&nbsp;Next:</font></b></td></tr>\r\n"
        "<tr bgcolor=\"#FFFACD\"><td><b><font size=\"2\">&nbsp;&nbsp;Last:</font></b></td>"
        "<td></td></tr>\r\n" +
        CLOSING;
    EXPECT_EQ(RenderInfoPage(node), expected);

    // A title row replaces the node's title; every line ends with CR LF.
    node.title = "Tree text";
    node.rows = {{"Page & title", INFO_ROW_TITLE}};
    const std::string page = RenderInfoPage(node);
    EXPECT_EQ(page, std::string(HEAD_OPEN) + "<title>Page &amp; title</title>\r\n" + BODY_OPEN +
                        TitleRow("Page &amp; title") + SEPARATOR + CLOSING);
    for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1))
        EXPECT_EQ(page[i - 1], '\r') << i;
}

}  // namespace
}  // namespace grafyon
