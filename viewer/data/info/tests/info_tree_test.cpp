// The information topics: which groups appear, the rows of each page and their formats.
#include <gtest/gtest.h>

#include <vector>

#include "common/packed_date_time.h"
#include "viewer/data/info/info_date_format.h"
#include "viewer/data/info/info_tree.h"
#include "viewer/data/info/tests/info_fixture.h"

namespace grafyon {
namespace {

using test::SIX_DIGITS;
using test::SmallRecording;

std::vector<std::string> Titles(const std::vector<InfoNode>& nodes) {
    std::vector<std::string> titles;
    for (const InfoNode& n : nodes)
        titles.push_back(n.title);
    return titles;
}

// The value row after the label or heading row of that text; "<none>" when there is none.
std::string ValueOf(const InfoNode& node, const std::string& label) {
    for (std::size_t i = 0; i + 1 < node.rows.size(); ++i) {
        if (node.rows[i].text == label && node.rows[i].kind != INFO_ROW_VALUE &&
            node.rows[i + 1].kind == INFO_ROW_VALUE)
            return node.rows[i + 1].text;
    }
    return "<none>";
}

std::vector<std::string> Values(const InfoNode& node) {
    std::vector<std::string> values;
    for (const InfoRow& row : node.rows) {
        if (row.kind == INFO_ROW_VALUE)
            values.push_back(row.text);
    }
    return values;
}

ParameterElement* AddParameter(MeasurementDescription& d, std::uint32_t kind, std::uint32_t number,
                               std::uint32_t type, std::vector<std::uint8_t> bytes,
                               std::uint32_t rangeNumber = 0) {
    auto p = std::make_unique<ParameterElement>(kind);
    p->parameterNumber = number;
    p->frame = 40;
    p->rangeNumber = rangeNumber;
    p->valueType = type;
    p->data = std::move(bytes);
    return static_cast<ParameterElement*>(d.Append(std::move(p)));
}

TEST(InfoTree, PlainRecordingShowsGeneralDatasetsAndDataRangesOnly) {
    auto d = SmallRecording();
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "/data/run/small.mdf", SIX_DIGITS);
    EXPECT_EQ(Titles(tree), (std::vector<std::string>{"General", "Datasets", "Data Ranges"}));
    EXPECT_EQ(Titles(tree[1].children), (std::vector<std::string>{"1 U<5V", "2 Force"}));
    EXPECT_EQ(Titles(tree[2].children), (std::vector<std::string>{"Data Range 01"}));
    // A group's page lists its topics.
    EXPECT_EQ(Values(tree[1]), (std::vector<std::string>{"1 U<5V", "2 Force"}));

    // Nothing at all: no topics, and the dialog closes at once.
    MeasurementDescription empty;
    EXPECT_TRUE(BuildInfoTree(empty, "x.mdf", SIX_DIGITS).empty());
}

TEST(InfoTree, EveryGroupInItsOrderWhenTheDescriptionHoldsIt) {
    auto d = SmallRecording();
    // Elements in a different order than the groups.
    auto spot = std::make_unique<SpotElement>();
    spot->rangeNumber = 4;
    spot->frame = 9;
    d->Append(std::move(spot));
    test::AddComment(*d, "first\r\nsecond");
    AddParameter(*d, ELEMENT_PARAMETER, 7, DATA_TYPE_LONG, {0x2A, 0, 0, 0});
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "small.mdf", SIX_DIGITS);
    EXPECT_EQ(Titles(tree), (std::vector<std::string>{"General", "Datasets", "Commentary",
                                                      "Parameter", "Data Ranges", "Ranges"}));
    EXPECT_EQ(Values(tree[2]), (std::vector<std::string>{"first\r\nsecond"}));
    EXPECT_EQ(Titles(tree[3].children), (std::vector<std::string>{"Parameter 07"}));
    EXPECT_EQ(Titles(tree[5].children), (std::vector<std::string>{"Spot 4"}));
    EXPECT_EQ(Values(tree[5].children[0]),
              (std::vector<std::string>{"Frame:  10", "Position:  0.009 [sec]", "Date:  ?"}));
}

TEST(InfoTree, GeneralPage) {
    auto d = SmallRecording();
    test::AddDataFile(*d, 2, "/data/run/small2.dta");
    const InfoNode general = BuildInfoTree(*d, "/data/run/small.mdf", SIX_DIGITS).front();
    EXPECT_EQ(general.reference, d->Header());
    ASSERT_FALSE(general.rows.empty());
    EXPECT_EQ(general.rows[0].kind, INFO_ROW_TITLE);
    EXPECT_EQ(general.rows[0].text, "small.mdf");
    EXPECT_EQ(ValueOf(general, "Number of Datasets"), "2");
    EXPECT_EQ(ValueOf(general, "Number of Frames"), "1000");
    EXPECT_EQ(ValueOf(general, "Sample Step"), "0.001  [sec]");
    EXPECT_EQ(ValueOf(general, "Sample Rate"), "1000  [Hz]");
    EXPECT_EQ(ValueOf(general, "Date"), "05.03.2024  14:07.09");
    EXPECT_EQ(ValueOf(general, "Frame Size"), "6");
    EXPECT_EQ(ValueOf(general, "File Path"), "/data/run");
    // One value row per data file, the first beside the label.
    const std::vector<InfoRow>& rows = general.rows;
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[rows.size() - 3].text, "Data File");
    EXPECT_EQ(rows[rows.size() - 2].text, "small.dta");
    EXPECT_EQ(rows[rows.size() - 1].text, "small2.dta");
}

TEST(InfoTree, StepRateAndDateEdges) {
    // Two segments with different steps: both "Variabel".
    auto d = SmallRecording();
    test::AddSegment(*d, 1, 500, 1000, 0.002);
    InfoNode general = BuildInfoTree(*d, "a.mdf", SIX_DIGITS).front();
    EXPECT_EQ(ValueOf(general, "Sample Step"), "Variabel");
    EXPECT_EQ(ValueOf(general, "Sample Rate"), "Variabel");

    // A step of 0 has no rate; a carrier without unit no brackets; a zero date is "?".
    auto z = SmallRecording();
    z->TimeSegments().front()->sampleStep = 0.0;
    z->TimeSegments().front()->carrierUnit.clear();
    HeaderElement& h = *z->Header();
    h.day = h.month = h.year = h.hour = h.minute = h.second = 0;
    general = BuildInfoTree(*z, "a.mdf", SIX_DIGITS).front();
    EXPECT_EQ(ValueOf(general, "Sample Step"), "0");
    EXPECT_EQ(ValueOf(general, "Sample Rate"), "<none>");
    EXPECT_EQ(ValueOf(general, "Date"), "?");
    // A second that does not exist is no valid time either.
    h.day = 1, h.month = 1, h.year = 2000, h.second = 60;
    EXPECT_EQ(ValueOf(BuildInfoTree(*z, "a.mdf", SIX_DIGITS).front(), "Date"), "?");

    // The number format is the caller's; without one it is "%g".
    general = BuildInfoTree(*SmallRecording(), "a.mdf", [](double v) {
                  return FormatPrintf("%.2e", v);
              }).front();
    EXPECT_EQ(ValueOf(general, "Sample Step"), "1.00e-03  [sec]");
    EXPECT_EQ(ValueOf(general, "Sample Rate"), "1.00e+03  [Hz]");
    general = BuildInfoTree(*SmallRecording(), "a.mdf", nullptr).front();
    EXPECT_EQ(ValueOf(general, "Sample Step"), "0.001  [sec]");
}

TEST(InfoDateFormat, ValidTimesAndTheirBoundaries) {
    const auto valid = [](int y, int mo, int d, int h, int mi, int s) {
        return IsValidDateTime(DateTimeParts{y, mo, d, h, mi, s});
    };
    EXPECT_TRUE(valid(1970, 1, 1, 0, 0, 0));
    EXPECT_FALSE(valid(1969, 12, 31, 23, 59, 59));
    EXPECT_TRUE(valid(3000, 12, 31, 23, 59, 59));
    EXPECT_FALSE(valid(3001, 1, 1, 0, 0, 0));
    EXPECT_FALSE(valid(2024, 0, 1, 0, 0, 0));
    EXPECT_FALSE(valid(2024, 13, 1, 0, 0, 0));
    EXPECT_FALSE(valid(2024, 1, 0, 0, 0, 0));
    EXPECT_TRUE(valid(2024, 2, 29, 0, 0, 0));
    EXPECT_FALSE(valid(2023, 2, 29, 0, 0, 0));
    EXPECT_FALSE(valid(1900 + 200, 2, 29, 0, 0, 0));  // 2100 is no leap year
    EXPECT_TRUE(valid(2000, 2, 29, 0, 0, 0));
    EXPECT_TRUE(valid(2024, 4, 30, 0, 0, 0));
    EXPECT_FALSE(valid(2024, 4, 31, 0, 0, 0));
    EXPECT_FALSE(valid(2024, 1, 1, 24, 0, 0));
    EXPECT_FALSE(valid(2024, 1, 1, 0, 60, 0));
    EXPECT_FALSE(valid(2024, 1, 1, 0, 0, -1));

    const DateTimeParts t{2031, 7, 4, 8, 5, 3};
    EXPECT_EQ(FormatDateTime("%d.%m.%Y  %H:%M.%S", t), "04.07.2031  08:05.03");
    EXPECT_EQ(FormatDateTime("%m/%d/%y %% %q%", t), "07/04/31 % %q%");
}

TEST(InfoTree, DatasetPages) {
    auto d = SmallRecording();
    std::vector<Dataset*> sets = d->Datasets();
    sets[0]->minimum = -2.5;
    sets[0]->maximum = 12.25;
    sets[0]->extremesKnown = true;
    Dataset* extended = test::AddDataset(*d, "Ext", DATA_TYPE_ULONG, 0, 2.0, 0.0, 0xFFFFFFFF,
                                         ELEMENT_DATASET_EXTENDED);
    extended->extremesKnown = true;
    extended->valuesPerFrame = 3;
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "a.mdf", SIX_DIGITS);
    const InfoNode& u = tree[1].children[0];
    EXPECT_EQ(u.kind, InfoNodeKind::Dataset);
    EXPECT_EQ(u.reference, sets[0]);
    EXPECT_EQ(u.rows.size(), 22u);  // eleven headings, each with its value
    for (std::size_t i = 0; i < u.rows.size(); ++i)
        EXPECT_EQ(u.rows[i].kind, i % 2 == 0 ? INFO_ROW_HEADING : INFO_ROW_VALUE) << i;
    EXPECT_EQ(ValueOf(u, "Label"), "Voltage & \"more\"");
    EXPECT_EQ(ValueOf(u, "Unit"), "V");
    EXPECT_EQ(ValueOf(u, "Minimum"), "-2.5");
    EXPECT_EQ(ValueOf(u, "Maximum"), "12.25");
    EXPECT_EQ(ValueOf(u, "Calibration Factor"), "0.5");
    EXPECT_EQ(ValueOf(u, "Calibration Offset"), "1");
    EXPECT_EQ(ValueOf(u, "Data Type"), "SHORT LittleEndian Calibrated");
    EXPECT_EQ(ValueOf(u, "Data Type Size"), "2 Bytes");
    EXPECT_EQ(ValueOf(u, "Data Mask"), "FFFF hex");
    EXPECT_EQ(ValueOf(u, "Frame Offset"), "0");
    EXPECT_EQ(ValueOf(u, "Values per Frame"), "1");

    // Extremes only for kind 100 and only when they are known.
    const InfoNode& force = tree[1].children[1];
    EXPECT_EQ(ValueOf(force, "Minimum"), "<none>");
    EXPECT_EQ(ValueOf(force, "Data Mask"), "FFFFFFFF hex");
    const InfoNode& ext = tree[1].children[2];
    EXPECT_EQ(ext.title, "3 Ext");
    EXPECT_EQ(ValueOf(ext, "Maximum"), "<none>");
    EXPECT_EQ(ValueOf(ext, "Values per Frame"), "3");

    // The dialog finds the page of a dataset it is asked for.
    EXPECT_EQ(FindInfoNode(tree, sets[1]), &force);
    EXPECT_EQ(FindInfoNode(tree, nullptr), nullptr);
}

TEST(InfoTree, ParameterValues) {
    auto d = SmallRecording();
    AddParameter(*d, ELEMENT_PARAMETER, 1, DATA_TYPE_FLOAT, {0x00, 0x00, 0xC0, 0x3F});  // 1.5
    AddParameter(*d, ELEMENT_PARAMETER, 2, DATA_TYPE_SHORT, {0xFE, 0xFF});              // -2
    AddParameter(*d, ELEMENT_PARAMETER, 3, DATA_TYPE_TEXT, {'<', 'a', '>', 0, 'x'});
    AddParameter(*d, ELEMENT_PARAMETER, 4, DATA_TYPE_BOOL8, {0x01});
    // Unreadable: big-endian, too few bytes, a type without a value.
    AddParameter(*d, ELEMENT_PARAMETER, 5, DATA_TYPE_SHORT | DATA_TYPE_BIG_ENDIAN, {1, 2});
    AddParameter(*d, ELEMENT_PARAMETER, 6, DATA_TYPE_LONG, {1, 2, 3});
    AddParameter(*d, ELEMENT_PARAMETER, 12, DATA_TYPE_REAL6, {1, 2, 3, 4, 5, 6});
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "a.mdf", SIX_DIGITS);
    const InfoNode& group = tree[2];
    ASSERT_EQ(group.kind, InfoNodeKind::Parameters);
    ASSERT_EQ(group.children.size(), 7u);
    const std::string expected[] = {"1.5",       "-2",        "<a>",      "True",
                                    "Undefined", "Undefined", "Undefined"};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(ValueOf(group.children[i], "Value"), expected[i]) << i;
    EXPECT_EQ(group.children[6].title, "Parameter 12");
    EXPECT_EQ(ValueOf(group.children[0], "Samples"), "40");
    EXPECT_EQ(ValueOf(group.children[0], "Data Type"), "FLOAT LittleEndian Calibrated");
}

TEST(InfoTree, DataRangePages) {
    auto d = SmallRecording();
    test::AddDataFile(*d, 2, "/data/run/second.dta", 512);
    test::AddSegment(*d, 2, 200, 0, 0.001);
    test::AddSegment(*d, 2, 0, 200, 0.001);  // empty: start and end on one frame
    test::AddSegment(*d, 9, 1, 0, 0.001);    // its data file is missing
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "a.mdf", SIX_DIGITS);
    const InfoNode& group = tree[2];
    ASSERT_EQ(group.children.size(), 4u);
    const InfoNode& second = group.children[1];
    EXPECT_EQ(second.title, "Data Range 02");
    EXPECT_EQ(ValueOf(second, "Number of Frames"), "200");
    EXPECT_EQ(ValueOf(second, "Start Carrier"), "1  [sec]");  // frame 1000
    EXPECT_EQ(ValueOf(second, "End Carrier"), "1.199  [sec]");
    EXPECT_EQ(ValueOf(second, "Data File"), "second.dta");
    EXPECT_EQ(ValueOf(second, "File Offset"), "512");
    EXPECT_EQ(ValueOf(second, "Sample Step"), "0.001  [sec]");
    EXPECT_EQ(ValueOf(group.children[0], "End Carrier"), "0.999  [sec]");
    EXPECT_EQ(ValueOf(group.children[2], "Start Carrier"), "1.2  [sec]");
    EXPECT_EQ(ValueOf(group.children[2], "End Carrier"), "1.2  [sec]");
    EXPECT_EQ(ValueOf(group.children[3], "Data File"), "?");
    EXPECT_EQ(ValueOf(group.children[3], "File Offset"), "?");
}

TEST(InfoTree, RangePagesAndTheirNames) {
    auto d = SmallRecording();
    auto name0 = std::make_unique<RangeNameElement>();
    name0->rangeNumber = 0;
    name0->name = "Warm-up";
    d->Append(std::move(name0));
    for (std::uint32_t number : {0u, 3u}) {
        auto r = std::make_unique<RangeElement>();
        r->rangeNumber = number;
        r->startFrame = 0;
        r->stopFrame = 999;
        r->startDateTime = PackDateTime({2024, 3, 5, 14, 7, 9});
        d->Append(std::move(r));
    }
    AddParameter(*d, ELEMENT_RANGE_PARAMETER, 2, DATA_TYPE_DOUBLE, {0, 0, 0, 0, 0, 0, 0x04, 0x40},
                 3);  // 2.5, for range 3
    const std::vector<InfoNode> tree = BuildInfoTree(*d, "a.mdf", SIX_DIGITS);
    const InfoNode& ranges = tree.back();
    ASSERT_EQ(ranges.kind, InfoNodeKind::Ranges);
    // The name of range 0 does not name range 3.
    EXPECT_EQ(Titles(ranges.children), (std::vector<std::string>{"Warm-up", "Range 3"}));
    EXPECT_EQ(Values(ranges.children[1]),
              (std::vector<std::string>{"Start Frame:  1", "Stop Frame:  1000",
                                        "Start position:  0 [sec]", "End position:  0.999 [sec]",
                                        "Start Date:  03/05/24 14:07:09", "End Date:  ?",
                                        "Parameter 02:  2.5"}));
    // Translated formats take their place.
    InfoTexts german;
    german.dateFormat = "%d.%m.%y";
    german.range = "Bereich";
    const std::vector<InfoNode> translated = BuildInfoTree(*d, "a.mdf", SIX_DIGITS, german);
    const InfoNode& r3 = translated.back().children[1];
    EXPECT_EQ(r3.title, "Bereich 3");
    EXPECT_EQ(Values(r3)[4], "Start Date:  05.03.24 14:07:09");
}

}  // namespace
}  // namespace grafyon
