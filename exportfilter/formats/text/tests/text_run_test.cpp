// Whole text files written through the library's run path (negotiation, value formats and
// the run) from a fake host, compared byte for byte with texts built here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "common/number_parse.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/quenar_interface.h"
#include "exportfilter/engine/tests/fake_host.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/formats/text/text_cells.h"
#include "exportfilter/formats/text/text_stream.h"
#include "scoped_german_locale.h"
#include "test_support.h"

// The C library's newlocale never frees the list of LOCPATH folders it builds (with
// __argz_add_sep), and the German locale built for the tests lives in such a folder; the leak
// sanitizer, whose quick stacks end in the C library, is told so.
extern "C" [[gnu::visibility("default")]] const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\n";
}

namespace grafyon::exportfilter::test {
namespace {

using grafyon::test::ReadTextFile;
using grafyon::test::TempDir;

struct ColumnSpec {
    ColumnSpec(TextColumnType type = TextColumnType::Dataset, int width = 16, int numberWidth = 12,
               int precision = 3, TextNumberFormat format = TextNumberFormat::Fixed,
               TextAlignment alignment = TextAlignment::Right,
               TextSeparator separator = TextSeparator::None, std::string separatorText = {},
               int notation = 1)
        : type(type),
          width(width),
          numberWidth(numberWidth),
          precision(precision),
          format(format),
          alignment(alignment),
          separator(separator),
          separatorText(std::move(separatorText)),
          notation(notation) {}

    TextColumnType type;
    int width;  // 0: variable width
    int numberWidth;
    int precision;
    TextNumberFormat format;
    TextAlignment alignment;
    TextSeparator separator;
    std::string separatorText;
    int notation;
};

// The native value format of a host that delivers its own flagged rows: physical doubles.
int NativeFormat(void*, const CQuenarSelectItem*) {
    return QUENAR_FORMAT_PHYSICAL_DOUBLE;
}
int NativeScaling(void*, const CQuenarSelectItem*, double* scaling) {
    scaling[0] = 0.0;
    scaling[1] = 1.0;
    scaling[2] = 0.0;
    return 0;
}

// A library state with the text classes, scripted dialogs and one text filter.
struct TextRun {
    TextRun() {
        RegisterTextClasses(state.registry);
        state.messenger.SetSink(&sink);
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        state.InstallDialogs(std::move(fake));
        auto owned = std::make_unique<CQuenarStreamText>();
        stream = owned.get();
        state.AdoptFilter(std::move(owned));
        target = dir / "out.txt";
    }

    CQuenarChannelDefText& Add(const ColumnSpec& spec) {
        auto column = std::make_unique<CQuenarChannelDefText>();
        column->columnType = static_cast<int>(spec.type);
        column->widthMode = spec.width > 0 ? 0 : 1;
        column->width = spec.width > 0 ? spec.width : 16;
        column->numberWidth = spec.numberWidth;
        column->precision = spec.precision;
        column->numberFormat = static_cast<int>(spec.format);
        column->alignment = static_cast<int>(spec.alignment);
        column->separator = static_cast<int>(spec.separator);
        column->separatorText = spec.separatorText;
        column->notation = spec.notation;
        stream->columns.push_back(std::move(column));
        return static_cast<CQuenarChannelDefText&>(*stream->columns.back());
    }

    // One record per spec, bound in order to the dataset columns; more records than
    // columns stay unbound.
    void SetRecords(const std::vector<RecordSpec>& specs) {
        records = MakeRecords(specs);
        auto column = stream->columns.begin();
        for (auto& record : records) {
            record->dataFileName = target;
            while (column != stream->columns.end() && !(*column)->TakesDataset())
                ++column;
            if (column != stream->columns.end())
                record->channelDef = (column++)->get();
        }
    }

    // Negotiates with the host functions given (host function 4 by default) and runs.
    int Run(std::vector<std::vector<double>> rows, std::vector<int> functions = {4}) {
        host.rows = std::move(rows);
        for (int id : functions) {
            if (id == QUENAR_FN_READ_ROW) {
                state.hostFunctions.Register(id, AsHostFunction(&FakeHost::ReadRow));
            } else {
                state.hostFunctions.Register(id, AsHostFunction(&FakeHost::FlaggedRow));
                state.hostFunctions.Register(QUENAR_FN_NATIVE_FORMAT,
                                             AsHostFunction(&NativeFormat));
                state.hostFunctions.Register(QUENAR_FN_NATIVE_SCALING,
                                             AsHostFunction(&NativeScaling));
            }
        }
        int result = ReqFuncAssignment(state, records, stream, &host);
        if (result == 0)
            result = FormatAssignment(state, records, stream, &host);
        if (result == 0)
            result = Convert(state, records, stream);
        return result;
    }

    std::string Output() const { return ReadTextFile(target); }

    TempDir dir;
    QuenarLibraryState state;
    FakeSink sink;
    FakeDialogs* dialogs = nullptr;
    CQuenarStreamText* stream = nullptr;
    FakeHost host;
    QuenarSelectList records;
    std::string target;
};

TEST(TextRun, ColumnsTitlesHeaderAndLinesOfAWholeFile) {
    TextRun r;
    r.stream->header = "Run 7\r\nBench 3\r\n";
    r.stream->linesAfterHeader = 1;
    r.stream->titleMode = 1;
    r.stream->linesAfterTitle = 1;
    r.Add({TextColumnType::LineNumber, 6, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::VerticalLine});
    auto& x1 = r.Add({TextColumnType::Resolution, 10, 8, 2, TextNumberFormat::Fixed,
                      TextAlignment::Left, TextSeparator::Space});
    auto& a = r.Add({TextColumnType::Dataset, 0, 12, 6, TextNumberFormat::Floating,
                     TextAlignment::Right, TextSeparator::User, ";"});
    auto& b = r.Add({TextColumnType::Dataset, 12, 10, 3, TextNumberFormat::Exponential,
                     TextAlignment::Center, TextSeparator::Tab});
    r.Add({TextColumnType::Separator, 3});
    auto& x2 = r.Add({TextColumnType::Resolution, 0, 12, 4, TextNumberFormat::Floating,
                      TextAlignment::Right, TextSeparator::None});
    x1.nameTitle.shown = 1;
    x1.unitTitle = {1, 0, 1, 0, ""};
    a.nameTitle.shown = 1;
    b.nameTitle = {1, 0, 0, 1, ""};
    b.unitTitle = {1, 0, 1, 2, ""};
    x2.nameTitle.shown = 1;
    x2.unitTitle.shown = 1;
    r.SetRecords({{"Speed", 10.0, 0.5}, {"Temperature_sensor_front", 10.0, 0.5}});
    r.records.back()->unit = "degrees Celsius";
    r.records.back()->carrierName = "Zeit";
    r.records.back()->carrierUnit = "ms";

    ASSERT_EQ(r.Run({{1.5, -0.000123}, {1e6 / 3, 12345.678}}), 0);
    EXPECT_EQ(r.stream->methodCode, 4);
    const std::string expected =
        "Run 7\r\nBench 3\r\n"
        "\r\n"
        // No label line: no column shows the label. The first x column takes the first
        // record's carrier, the last one the carrier of the dataset before it; a cut title
        // keeps room for its brackets.
        "      |Time       Speed;Temperature_\t   Zeit\r\n"
        "      |[s]        ;[degrees Ce]\t   ms\r\n"
        "\r\n"
        "     0|10.00      1.5; -1.230e-04 \t   10\r\n"
        "     1|10.50      333333; 1.235e+04  \t   10.5\r\n";
    EXPECT_EQ(r.Output(), expected);
    EXPECT_TRUE(r.sink.shown.empty());
}

TEST(TextRun, FixedWidthOfTheEdgeCaseInEachAlignment) {
    const std::pair<TextAlignment, const char*> cases[] = {
        {TextAlignment::Right, "           3.142\r\n"},
        {TextAlignment::Left, "3.142           \r\n"},
        {TextAlignment::Center, "     3.142      \r\n"},
    };
    for (const auto& [alignment, line] : cases) {
        TextRun r;
        r.Add({TextColumnType::Dataset, 16, 12, 3, TextNumberFormat::Fixed, alignment});
        r.SetRecords({{"a"}});
        ASSERT_EQ(r.Run({{3.14159}}), 0);
        EXPECT_EQ(r.Output(), line);
    }
}

TEST(TextRun, TitlesOnEveryPageBreakAfterRowsOnPageCountedLines) {
    TextRun r;
    r.stream->header = "H1\r\nH2\r\nH3\r\n";
    r.stream->titleMode = 2;
    r.stream->linesAfterTitle = 1;
    r.stream->rowsOnPage = 64;
    auto& a = r.Add({TextColumnType::Dataset, 0, 12, 0, TextNumberFormat::Fixed});
    a.nameTitle.shown = 1;
    a.labelTitle.shown = 1;
    r.SetRecords({{"A"}});
    r.records.front()->label = "L";
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back({double(i)});
    ASSERT_EQ(r.Run(rows), 0);

    // Page 1: 3 header lines, 3 title lines, 58 rows; then 61 rows a page.
    std::string expected = "H1\r\nH2\r\nH3\r\n";
    int row = 0;
    for (int rowsOnPage : {58, 61, 61, 20}) {
        if (row > 0)
            expected += "\f";
        expected += "A\r\nL\r\n\r\n";
        for (int i = 0; i < rowsOnPage; ++i)
            expected += std::to_string(row++) + "\r\n";
    }
    EXPECT_EQ(r.Output(), expected);
}

TEST(TextRun, PageBoundariesHeaderPageAndEmptyPages) {
    // Rows on page 2: the break comes when the count reaches 2, not after it.
    {
        TextRun r;
        r.stream->titleMode = 2;
        r.stream->rowsOnPage = 2;
        r.Add({TextColumnType::LineNumber, 0}).nameTitle = {1, 1, 0, 0, "N"};
        r.SetRecords({{"a"}});
        ASSERT_EQ(r.Run({{0}, {0}, {0}}), 0);
        EXPECT_EQ(r.Output(), "N\r\n0\r\n\fN\r\n1\r\n\fN\r\n2\r\n");
    }
    // Rows on page 0 and no title line: a page per row, never an empty one. A header on its
    // own page ends with a form feed, and the text of the header stays as it was typed.
    {
        TextRun r;
        r.stream->header = "A\nB";
        r.stream->headerOnOwnPage = 1;
        r.stream->titleMode = 2;
        r.stream->rowsOnPage = 0;
        r.Add({TextColumnType::LineNumber, 0});
        r.SetRecords({{"a"}});
        ASSERT_EQ(r.Run({{0}, {0}, {0}}), 0);
        EXPECT_EQ(r.Output(), "A\r\nB\f0\r\n\f1\r\n\f2\r\n");
    }
    // Title mode 1 never breaks pages.
    {
        TextRun r;
        r.stream->titleMode = 1;
        r.stream->rowsOnPage = 1;
        r.Add({TextColumnType::LineNumber, 0}).nameTitle = {1, 1, 0, 0, "N"};
        r.SetRecords({{"a"}});
        ASSERT_EQ(r.Run({{0}, {0}, {0}}), 0);
        EXPECT_EQ(r.Output(), "N\r\n0\r\n1\r\n2\r\n");
    }
}

TEST(TextRun, NoRowLeavesHeaderAndTitles) {
    TextRun r;
    r.stream->header = "Header";
    r.stream->linesAfterHeader = 2;
    r.stream->titleMode = 2;
    r.Add({TextColumnType::Dataset, 8}).nameTitle.shown = 1;
    r.SetRecords({{"Speed"}});
    ASSERT_EQ(r.Run({}), 0);
    EXPECT_EQ(r.Output(), "Header\r\n\r\nSpeed   \r\n");
}

TEST(TextRun, LineEndsStoredAsCrLfAndUserSeparatorsWithLineEnds) {
    TextRun r;
    r.stream->header = "one\r\ntwo\nthree\r\n";
    r.stream->titleMode = 1;
    r.Add({TextColumnType::LineNumber, 0, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::User, "<\r\n>"})
        .nameTitle = {1, 1, 0, 0, "n"};
    r.Add({TextColumnType::LineNumber, 0});
    r.SetRecords({{"a"}});
    ASSERT_EQ(r.Run({{0}, {0}}), 0);
    EXPECT_EQ(r.Output(), "one\r\ntwo\r\nthree\r\nn<\r\n>\r\n0<\r\n>0\r\n1<\r\n>1\r\n");
}

TEST(TextRun, LineNumbersFromZeroAndAdjustedValues) {
    TextRun r;
    r.Add({TextColumnType::LineNumber, 0, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::Space});
    auto& adjusted = r.Add({TextColumnType::LineNumber, 0, 12, 1, TextNumberFormat::Fixed,
                            TextAlignment::Right, TextSeparator::Space});
    adjusted.adjustment = 1;
    adjusted.factor = 2.0;
    adjusted.offset = 1.0;
    auto& x = r.Add({TextColumnType::Resolution, 0, 12, 1, TextNumberFormat::Fixed,
                     TextAlignment::Right, TextSeparator::Space});
    x.adjustment = 1;
    x.factor = 1000.0;
    x.offset = 1.0;
    auto& value = r.Add({TextColumnType::Dataset, 0, 12, 2, TextNumberFormat::Fixed});
    value.adjustment = 1;
    value.factor = -1.0;
    value.offset = 0.5;
    r.SetRecords({{"a", 2.0, 0.5}});
    ASSERT_EQ(r.Run({{1.0}, {2.0}, {3.0}}), 0);
    // x = (x0 + n dx) x factor + offset: the start is scaled like every other x.
    EXPECT_EQ(r.Output(),
              "0 1.0 2001.0 -0.50\r\n"
              "1 3.0 2501.0 -1.50\r\n"
              "2 5.0 3001.0 -2.50\r\n");
}

TEST(TextRun, RowRoutineLeavesMissingValuesEmptyAndPrintsTheDeliveredX) {
    TextRun r;
    r.Add({TextColumnType::Resolution, 0, 12, 1, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::User, ";"});
    r.Add({TextColumnType::Dataset, 6, 5, 1, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::User, ";"});
    r.Add({TextColumnType::Dataset, 0, 5, 1, TextNumberFormat::Fixed});
    // Different intervals: no common time base, so the host's flagged rows serve method 1.
    r.SetRecords({{"a", 0.0, 1.0}, {"b", 0.0, 2.0}});
    const double nan = std::nan("");
    ASSERT_EQ(r.Run({{1.0, nan}, {nan, 2.0}}, {QUENAR_FN_FLAGGED_ROWS}), 0);
    EXPECT_EQ(r.stream->methodCode, 1);
    EXPECT_EQ(r.Output(), "0.0;   1.0;\r\n1.0;      ;2.0\r\n");
}

TEST(TextRun, ResamplingRoutinePrintsTheRequestedX) {
    TextRun r;
    r.stream->method = 1;           // constant resolution
    r.stream->missingConstant = 1;  // interpolated
    r.stream->resolution = 0.5;
    r.Add({TextColumnType::Resolution, 0, 12, 6, TextNumberFormat::Floating, TextAlignment::Right,
           TextSeparator::Space});
    r.Add({TextColumnType::Dataset, 0, 12, 6, TextNumberFormat::Floating});
    r.SetRecords({{"a", 0.0, 1.0}});
    ASSERT_EQ(r.Run({{0.0}, {10.0}, {20.0}}), 0);
    EXPECT_EQ(r.stream->methodCode, 8);
    EXPECT_EQ(r.Output(), "0 0\r\n0.5 5\r\n1 10\r\n1.5 15\r\n2 20\r\n");
}

TEST(TextRun, ADatasetColumnWithoutRecordIsLeftOutEntirely) {
    TextRun r;
    r.stream->titleMode = 1;
    for (const char* name : {"first", "second"}) {
        auto& column = r.Add({TextColumnType::Dataset, 0, 12, 1, TextNumberFormat::Fixed,
                              TextAlignment::Right, TextSeparator::VerticalLine});
        column.nameTitle = {1, 1, 0, 0, name};
    }
    r.SetRecords({{"a"}});
    // The first column stays unbound.
    r.records.front()->channelDef = r.stream->columns[1].get();
    ASSERT_EQ(r.Run({{1.0}}), 0);
    EXPECT_EQ(r.Output(), "second|\r\n1.0|\r\n");
}

TEST(TextRun, LocalNotationTakesTheDecimalPointOfTheUsersLocale) {
    grafyon::test::ScopedGermanLocale german;
    if (!german.Active())
        GTEST_SKIP() << "no German locale on this machine";
    TextRun r;
    r.Add({TextColumnType::Dataset, 0, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::Space, "", 0});
    r.Add({TextColumnType::Dataset, 0, 12, 2, TextNumberFormat::Exponential, TextAlignment::Right,
           TextSeparator::Space, "", 0});
    r.Add({TextColumnType::Dataset, 0, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::None, "", 1});
    r.SetRecords({{"a"}, {"b"}, {"c"}});
    ASSERT_EQ(r.Run({{1.5, -1234.5, 1.5}}), 0);
    EXPECT_EQ(r.Output(), "1,500 -1,23e+03 1.500\r\n");
}

TEST(TextRun, LocalNotationUnderTheCLocaleKeepsThePoint) {
    grafyon::test::ScopedEnv all("LC_ALL", "C");
    TextRun r;
    r.Add({TextColumnType::Dataset, 0, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::None, "", 0});
    r.SetRecords({{"a"}});
    ASSERT_EQ(r.Run({{1.5}}), 0);
    EXPECT_EQ(r.Output(), "1.500\r\n");
}

TEST(TextRun, LinesLongerThanTheDesignedBufferAreWrittenWhole) {
    TextRun r;
    for (int i = 0; i < 60; ++i)
        r.Add({TextColumnType::LineNumber, 100});
    r.Add({TextColumnType::Dataset, 0, 25, 24, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::User, std::string(5000, '#')});
    auto& title = r.Add({TextColumnType::Separator, 100});
    title.nameTitle = {1, 1, 0, 0, std::string(300, 'T')};
    r.stream->titleMode = 1;
    r.SetRecords({{"a"}});
    ASSERT_EQ(r.Run({{1e300}}), 0);

    char huge[512];
    std::snprintf(huge, sizeof huge, "%.24f", 1e300);
    std::string expected =
        std::string(60 * 100, ' ') + std::string(5000, '#') + std::string(100, 'T') + "\r\n";
    expected += std::string(99, ' ') + "0";
    for (int i = 1; i < 60; ++i)
        expected += std::string(99, ' ') + "0";
    expected += huge + std::string(5000, '#') + std::string(100, ' ') + "\r\n";
    EXPECT_EQ(r.Output(), expected);
}

TEST(TextRun, NumbersReadBackEqualTheValuesAtTheirPrecision) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < 2000; ++i)
        rows.push_back({mantissa(random) * std::pow(10.0, exponent(random)),
                        mantissa(random) * 1000.0,
                        mantissa(random) * std::pow(10.0, exponent(random))});
    TextRun r;
    r.Add({TextColumnType::Dataset, 16, 15, 6, TextNumberFormat::Floating, TextAlignment::Left,
           TextSeparator::Space});
    r.Add({TextColumnType::Dataset, 16, 12, 3, TextNumberFormat::Fixed, TextAlignment::Right,
           TextSeparator::Space});
    r.Add({TextColumnType::Dataset, 0, 12, 17, TextNumberFormat::Floating, TextAlignment::Right,
           TextSeparator::None});
    r.SetRecords({{"g"}, {"f"}, {"exact"}});
    ASSERT_EQ(r.Run(rows), 0);

    const std::string text = r.Output();
    std::size_t at = 0;
    for (const auto& row : rows) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(at, end - at);
        at = end + 2;
        ASSERT_GE(line.size(), 34u);
        const std::optional<double> g = ParseDouble(line.substr(0, 16));
        const std::optional<double> f = ParseDouble(line.substr(17, 16));
        const std::optional<double> exact = ParseDouble(line.substr(34));
        ASSERT_TRUE(g && f && exact) << line;
        EXPECT_LE(std::fabs(*g - row[0]), std::fabs(row[0]) * 5e-6) << line;
        EXPECT_LE(std::fabs(*f - row[1]), 0.0005 + 1e-12) << line;
        EXPECT_EQ(*exact, row[2]) << line;
    }
    EXPECT_EQ(at, text.size());
}

TEST(TextRun, ProgressModeByKnownRowsAndACancelKeepsTheLinesWritten) {
    for (int valueCount : {0, 1000}) {
        TextRun r;
        r.Add({TextColumnType::LineNumber, 0});
        r.SetRecords({{"a", 0.0, 1.0, valueCount}});
        SetStatusWindow(r.state, r.stream, 1, nullptr, nullptr);
        r.dialogs->progress.cancelAt = {1};
        std::vector<std::vector<double>> rows(1000, std::vector<double>{0.0});
        ASSERT_EQ(r.Run(rows), 0);
        EXPECT_EQ(r.dialogs->progressMode,
                  valueCount > 0 ? ProgressMode::PercentRowsAndBar : ProgressMode::Rows);
        EXPECT_EQ(r.sink.Ids(), std::vector<int>{QUENAR_MSG_CANCEL_EXPORT_QUESTION});
        EXPECT_EQ(r.Output(), "0\r\n");
    }
}

TEST(TextRun, CellsEqualThePrintfFormatOfTheColumnAlignedInItsField) {
    // Every number format, alignment and a width below, at and above the number width.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::vector<double> values = {0.0, -0.0, 1.0, 0.5, 999999.5, 1e-5, 123456789.0};
    for (int i = 0; i < 300; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    std::vector<std::vector<double>> rows;
    for (double v : values)
        rows.push_back({v});
    for (int format = 0; format < 3; ++format) {
        for (int alignment = 0; alignment < 3; ++alignment) {
            for (int width : {0, 8, 11, 12, 13, 20}) {
                TextRun r;
                auto& column = r.Add({TextColumnType::Dataset, width, 12, 4,
                                      static_cast<TextNumberFormat>(format),
                                      static_cast<TextAlignment>(alignment)});
                r.SetRecords({{"a"}});
                ASSERT_EQ(r.Run(rows), 0);
                std::string expected;
                for (double v : values) {
                    char text[512];
                    std::snprintf(text, sizeof text, ColumnNumberFormat(column).c_str(), v);
                    std::string cell = text;
                    AlignInField(cell, width, static_cast<TextAlignment>(alignment));
                    expected += cell + "\r\n";
                }
                EXPECT_EQ(r.Output(), expected) << ColumnNumberFormat(column) << " alignment "
                                                << alignment << " width " << width;
            }
        }
    }
}

TEST(TextRun, AnOutputThatCannotBeCreatedFailsWith16) {
    TextRun r;
    r.Add({TextColumnType::LineNumber, 0});
    r.SetRecords({{"a"}});
    r.records.front()->dataFileName = r.dir / "missing/out.txt";
    EXPECT_EQ(r.Run({{0}}), 16);
    EXPECT_EQ(r.sink.Ids(), std::vector<int>{QUENAR_MSG_CANNOT_CREATE});
}

}  // namespace
}  // namespace grafyon::exportfilter::test
