// Export methods, the negotiation, the adapters and the run frame, driven end to end
// through the tests' stream and a fake host.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>

#include "exportfilter/engine/export_method.h"
#include "exportfilter/engine/export_run.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/headless_dialogs.h"
#include "exportfilter/engine/host_table.h"
#include "exportfilter/engine/quenar_interface.h"
#include "exportfilter/engine/record_queries.h"
#include "fake_host.h"
#include "fakes.h"
#include "scoped_german_locale.h"
#include "test_stream.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

namespace fs = std::filesystem;
using grafyon::test::ReadTextFile;
using grafyon::test::ScopedGermanLocale;
using grafyon::test::TempDir;
using grafyon::test::WriteTextFile;
using Rule = CQuenarStreamTest::Rule;

// One library state with the tests' stream, fake dialogs and the fake host's row function.
struct RunSetup {
    RunSetup() {
        state.messenger.SetSink(&sink);
        auto fakeDialogs = std::make_unique<FakeDialogs>();
        dialogs = fakeDialogs.get();
        state.InstallDialogs(std::move(fakeDialogs));
        auto stream = std::make_unique<CQuenarStreamTest>();
        filter = stream.get();
        state.AdoptFilter(std::move(stream));
        state.hostFunctions.Register(QUENAR_FN_READ_ROW, AsHostFunction(&FakeHost::ReadRow));
        target = dir / "out.txt";
    }

    void SetRecords(const std::vector<RecordSpec>& specs) {
        records = MakeRecords(specs);
        for (auto& record : records)
            record->dataFileName = target;
    }
    int Negotiate() { return ReqFuncAssignment(state, records, filter, &host); }
    int Run() { return Convert(state, records, filter); }
    std::vector<std::vector<double>> Output() const { return ParseRows(ReadTextFile(target)); }
    std::vector<std::string> FilesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TempDir dir;
    QuenarLibraryState state;
    FakeSink sink;
    FakeDialogs* dialogs = nullptr;
    CQuenarStreamTest* filter = nullptr;
    FakeHost host;
    QuenarSelectList records;
    std::string target;
};

std::set<int> AllowedCodes(Rule rule, CQuenarStreamTest& filter, const QuenarSelectList& records) {
    filter.rule = rule;
    std::set<int> codes;
    for (int code = 0; code <= 10; ++code) {
        if (filter.IsMethodAllowed(code, records))
            codes.insert(code);
    }
    return codes;
}

TEST(ExportMethods, EveryCellOfBothRules) {
    // Sources: a common time base, intervals that are multiples, intervals that are not,
    // and one without an interval.
    const std::vector<std::vector<RecordSpec>> sources = {
        {{"a", 0, 1.0}, {"b", 0, 1.0}},
        {{"a", 0, 1.0}, {"b", 0, 2.0}},
        {{"a", 0, 1.0}, {"b", 0, 1.5}},
        {{"a", 0, 1.0}, {"b", 0, 0.0}},
    };
    struct Cell {
        int method;
        int missing;
        double resolution;
        std::set<int> base[4];
        std::set<int> text[4];
    };
    const Cell cells[] = {
        {0, 0, 1.0, {{1, 4}, {}, {}, {}}, {{1, 4}, {1}, {1}, {1}}},
        {0, 1, 1.0, {{1, 4, 5}, {5}, {}, {}}, {{1, 4, 5}, {5}, {5}, {5}}},
        {0, 2, 1.0, {{1, 4, 6}, {6}, {}, {}}, {{1, 4, 6}, {6}, {6}, {6}}},
        {1, 0, 1.0, {{1, 4, 7}, {}, {}, {}}, {{1, 4, 7}, {7}, {7}, {7}}},
        {1, 1, 1.0, {{1, 4, 8}, {8}, {8}, {8}}, {{1, 4, 8}, {8}, {8}, {8}}},
        {1, 2, 1.0, {{1, 4, 9}, {9}, {9}, {9}}, {{1, 4, 9}, {9}, {9}, {9}}},
        {1, 0, 0.5, {{}, {}, {}, {}}, {{7}, {7}, {7}, {7}}},
        {1, 1, 0.5, {{8}, {8}, {8}, {8}}, {{8}, {8}, {8}, {8}}},
        {1, 2, 0.5, {{9}, {9}, {9}, {9}}, {{9}, {9}, {9}, {9}}},
        {2, 0, 1.0, {{}, {}, {}, {}}, {{}, {}, {}, {}}},
    };
    CQuenarStreamTest filter;
    for (const Cell& cell : cells) {
        filter.method = cell.method;
        filter.missingEvery = filter.missingConstant = cell.missing;
        filter.resolution = cell.resolution;
        for (std::size_t s = 0; s < sources.size(); ++s) {
            const QuenarSelectList records = MakeRecords(sources[s]);
            SCOPED_TRACE(testing::Message()
                         << "method " << cell.method << " missing " << cell.missing
                         << " resolution " << cell.resolution << " sources " << s);
            EXPECT_EQ(AllowedCodes(Rule::Base, filter, records), cell.base[s]);
            EXPECT_EQ(AllowedCodes(Rule::Text, filter, records), cell.text[s]);
            EXPECT_TRUE(AllowedCodes(Rule::None, filter, records).empty());
            EXPECT_TRUE(AllowedCodes(Rule::Text, filter, MakeRecords(sources[s], 0)).empty());
        }
    }

    // The frequency gives the resolution; the match allows less than 1e-10.
    const QuenarSelectList common = MakeRecords(sources[0]);
    filter.method = 1;
    filter.missingConstant = 0;
    filter.resolutionBy = 1;
    filter.frequency = 1.0;
    EXPECT_EQ(AllowedCodes(Rule::Base, filter, common), (std::set<int>{1, 4, 7}));
    filter.resolutionBy = 0;
    filter.resolution = 1.0 + 0.5e-10;
    EXPECT_EQ(AllowedCodes(Rule::Base, filter, common), (std::set<int>{1, 4, 7}));
    filter.resolution = 1.0 + 2e-10;
    EXPECT_TRUE(AllowedCodes(Rule::Base, filter, common).empty());
}

TEST(RecordQueries, TimeBaseMultiplesAndCounts) {
    EXPECT_TRUE(IntervalsAreMultiples(MakeRecords({{"a", 0, 0.1}, {"b", 5, 0.3}})));
    EXPECT_FALSE(IntervalsAreMultiples(MakeRecords({{"a", 0, 0.1}, {"b", 0, 0.25}})));
    EXPECT_FALSE(HasCommonTimeBase(MakeRecords({{"a", 0, 1.0}, {"b", 1e-300, 1.0}})));
    // A start that is no number, or infinite, would never reach the end of the rows.
    EXPECT_FALSE(HasCommonTimeBase(MakeRecords({{"a", INFINITY, 1.0}, {"b", INFINITY, 1.0}})));
    EXPECT_FALSE(AllIntervalsPositive(MakeRecords({{"a", 0, 1.0}, {"b", 0, INFINITY}})));
    EXPECT_TRUE(HasConsistentValueCounts(MakeRecords({{"a", 0, 1, 0}, {"b", 0, 1, 0}})));
    EXPECT_TRUE(HasConsistentValueCounts(MakeRecords({{"a", 0, 1, 7}, {"b", 0, 1, 7}})));
    EXPECT_FALSE(HasConsistentValueCounts(MakeRecords({{"a", 0, 1, 7}, {"b", 0, 1, 0}})));
    QuenarSelectList records = MakeRecords({{"a", 2, 0.5, 9}, {"b", 0, 0.25}});
    records.front()->selected = 0;
    EXPECT_EQ(SelectedCount(records), 1u);
    EXPECT_EQ(FirstStart(records), 0.0);
    EXPECT_EQ(SmallestInterval(records), 0.25);
    EXPECT_EQ(FirstValueCount(records), 0);
}

// Source value of record i at host row k (1-second sources from x0 = 5).
double Source(std::size_t i, double k) {
    return i == 0 ? k * k : 10.0 - 3.0 * k;
}

TEST(Adapters, ResamplingMatchesValuesComputedIndependently) {
    constexpr int LAST = 10;
    for (const double resolution : {0.5, 0.3, 2.0}) {
        for (const bool interpolate : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << resolution << (interpolate ? " interpolated" : " held"));
            RunSetup s;
            s.SetRecords({{"a", 5.0, 1.0}, {"b", 5.0, 1.0}});
            for (int k = 0; k <= LAST; ++k)
                s.host.rows.push_back({Source(0, k), Source(1, k)});
            s.filter->method = 1;
            s.filter->missingConstant = interpolate ? 1 : 2;
            s.filter->resolution = resolution;
            ASSERT_EQ(s.Negotiate(), 0);
            EXPECT_EQ(s.filter->methodCode, interpolate ? 8 : 9);
            EXPECT_EQ(s.filter->hostRows, 1);
            ASSERT_EQ(s.Run(), 0);

            const auto rows = s.Output();
            std::size_t n = 0;
            for (;; ++n) {
                const double x = 5.0 + static_cast<double>(n) * resolution;
                const double offset = x - 5.0;
                if (offset > LAST)
                    break;
                ASSERT_LT(n, rows.size());
                EXPECT_EQ(rows[n][0], x);
                const double k = std::floor(offset);
                for (std::size_t i = 0; i < 2; ++i) {
                    const double expected =
                        interpolate && offset != k
                            ? Source(i, k) + (Source(i, k + 1) - Source(i, k)) * (offset - k)
                            : Source(i, k);
                    EXPECT_NEAR(rows[n][i + 1], expected, 1e-9) << "row " << n;
                }
            }
            EXPECT_EQ(rows.size(), n);
        }
    }
}

TEST(Negotiation, HostFunctionsFirstThenAdaptersInOrder) {
    const std::vector<RecordSpec> common = {{"a", 2.0, 0.5}, {"b", 2.0, 0.5}};
    {
        // Every value over a common time base: the host's rows serve method 4 directly,
        // x running from the start by the interval.
        RunSetup s;
        s.SetRecords(common);
        s.host.rows = {{1, 2}, {3, 4}, {5, 6}};
        ASSERT_EQ(s.Negotiate(), 0);
        EXPECT_EQ(s.filter->methodCode, 4);
        EXPECT_EQ(s.filter->hostRows, 0);
        EXPECT_EQ(s.filter->sourceContext, &s.host);
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.Output(),
                  (std::vector<std::vector<double>>{{2.0, 1, 2}, {2.5, 3, 4}, {3.0, 5, 6}}));
        EXPECT_EQ(s.host.readCalls, 4);
        EXPECT_TRUE(s.state.adapters.empty());
    }
    {
        // A constant resolution equal to the common interval: method 4 without resampling.
        RunSetup s;
        s.SetRecords(common);
        s.filter->method = 1;
        s.filter->resolutionBy = 1;
        s.filter->frequency = 2.0;
        ASSERT_EQ(s.Negotiate(), 0);
        EXPECT_EQ(s.filter->methodCode, 4);
    }
    {
        // Registered first, host function 1 serves method 1 itself.
        RunSetup s;
        s.state.hostFunctions.Clear();
        s.state.hostFunctions.Register(QUENAR_FN_FLAGGED_ROWS,
                                       AsHostFunction(&FakeHost::FlaggedRow));
        s.state.hostFunctions.Register(QUENAR_FN_READ_ROW, AsHostFunction(&FakeHost::ReadRow));
        s.SetRecords(common);
        ASSERT_EQ(s.Negotiate(), 0);
        EXPECT_EQ(s.filter->methodCode, 1);
        EXPECT_EQ(s.filter->sourceContext, &s.host);
    }
    {
        // The rows adapter serves method 1 only over a common time base: different
        // intervals with the missing values ignored find no source (4021).
        RunSetup s;
        s.SetRecords({{"a", 0, 1.0}, {"b", 0, 2.0}});
        EXPECT_EQ(s.Negotiate(), 2);
        EXPECT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_REQUESTS_NOT_SATISFIED}));
        EXPECT_TRUE(s.state.adapters.empty());
        EXPECT_EQ(s.filter->rowFunction, nullptr);
    }
    {
        // Holding over host function 1 (method 6): a missing value keeps the last one.
        RunSetup s;
        s.state.hostFunctions.Clear();
        s.state.hostFunctions.Register(QUENAR_FN_FLAGGED_ROWS,
                                       AsHostFunction(&FakeHost::FlaggedRow));
        s.filter->rule = Rule::Base;
        s.filter->missingEvery = 2;
        s.SetRecords({{"a", 0, 1.0}, {"b", 0, 2.0}});
        s.host.rows = {{1, NAN}, {2, 20}, {NAN, NAN}, {4, 40}};
        ASSERT_EQ(s.Negotiate(), 0);
        EXPECT_EQ(s.filter->methodCode, 6);
        EXPECT_EQ(s.filter->hostRows, 0);
        EXPECT_EQ(s.state.adapters.size(), 1u);
        EXPECT_EQ(FormatAssignment(s.state, s.records, s.filter, &s.host), 1);
        ASSERT_EQ(s.Run(), 0);
        const auto rows = s.Output();
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_TRUE(std::isnan(rows[0][2]));
        EXPECT_EQ(rows[2], (std::vector<double>{2, 2, 20}));
        EXPECT_EQ(rows[3], (std::vector<double>{3, 4, 40}));
    }
    {
        // Holding over host function 7 (method 9), asked at the requested x.
        RunSetup s;
        s.state.hostFunctions.Clear();
        s.state.hostFunctions.Register(QUENAR_FN_RESAMPLED_ROWS,
                                       AsHostFunction(&FakeHost::FlaggedRow));
        s.filter->method = 1;
        s.filter->missingConstant = 2;
        s.SetRecords(common);
        s.host.rows = {{1, 2}, {NAN, 4}};
        ASSERT_EQ(s.Negotiate(), 0);
        EXPECT_EQ(s.filter->methodCode, 9);
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.Output(), (std::vector<std::vector<double>>{{2.0, 1, 2}, {3.0, 1, 4}}));
    }
}

TEST(Negotiation, DataSourceCheckAndValueFormats) {
    {
        RunSetup s;
        s.SetRecords({{"a", 0, 1.0}});
        s.records.front()->selected = 0;
        EXPECT_EQ(s.filter->CheckDataSource(s.records, s.state.messenger, s.state.hostFunctions),
                  1);
        EXPECT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_NO_DATA_SOURCE}));
    }
    // A resolution of 0, negative or not finite, also through the frequency, is refused
    // by the data-source check with 2 and message 4021; the run refuses it as well.
    struct Bad {
        int by;
        double resolution;
        double frequency;
    };
    for (const Bad bad : {Bad{0, 0.0, 1}, Bad{0, -1.0, 1}, Bad{0, NAN, 1}, Bad{0, INFINITY, 1},
                          Bad{1, 1, 0.0}, Bad{1, 1, -2.0}, Bad{1, 1, 1e-320}}) {
        RunSetup s;
        s.SetRecords({{"a", 0, 1.0}});
        s.host.rows = {{1}, {2}};
        s.filter->method = 1;
        s.filter->resolutionBy = bad.by;
        s.filter->resolution = bad.resolution;
        s.filter->frequency = bad.frequency;
        EXPECT_EQ(s.Negotiate(), 2);
        EXPECT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_REQUESTS_NOT_SATISFIED}));
        EXPECT_EQ(s.filter->methodCode, 8);
        EXPECT_EQ(s.Run(), 2);
        EXPECT_FALSE(fs::exists(s.target));
    }
    {
        RunSetup s;
        s.SetRecords({{"a", 1.5, 0.5}, {"b", 1.5, 0.5}});
        ASSERT_EQ(s.Negotiate(), 0);
        ASSERT_EQ(FormatAssignment(s.state, s.records, s.filter, &s.host), 0);
        ASSERT_EQ(s.filter->formatEntries.size(), 2u);
        const QuenarFormatEntry& entry = s.filter->formatEntries[1];
        EXPECT_EQ(entry.record, s.records.back().get());
        EXPECT_EQ(entry.formatCode, QUENAR_FORMAT_PHYSICAL_DOUBLE);
        EXPECT_EQ(entry.start, 1.5);
        EXPECT_EQ(entry.step, 0.5);
        EXPECT_EQ((std::vector<double>(entry.scaling, entry.scaling + 3)),
                  (std::vector<double>{0.0, 1.0, 0.0}));
        EXPECT_TRUE(s.filter->SupportsValueFormat(266));
        EXPECT_FALSE(s.filter->SupportsValueFormat(265));
        s.filter->supportedFormats = {0};
        EXPECT_TRUE(s.filter->SupportsValueFormat(265));
        s.filter->supportedFormats.clear();
        EXPECT_FALSE(s.filter->SupportsValueFormat(266));
    }
}

TEST(RunFrame, ResultsBeforeAnyFileIsOpened) {
    RunSetup s;
    s.SetRecords({{"a", 0, 1.0, 5}, {"b", 0, 1.0, 6}});
    s.host.rows = {{1, 2}};
    s.filter->methodCode = 4;
    s.filter->blockRowFunction = &FakeHost::ReadRow;
    s.filter->sourceContext = &s.host;
    EXPECT_EQ(s.Run(), 2);  // inconsistent value counts
    s.records.back()->valueCount = 5;
    s.records.back()->start = 1.0;
    EXPECT_EQ(s.Run(), 1);  // no common time base
    s.filter->methodCode = 3;
    EXPECT_EQ(s.Run(), -1);
    s.filter->methodCode = 1;  // no row function bound for it
    EXPECT_EQ(s.Run(), -1);
    for (auto& record : s.records)
        record->selected = 0;
    EXPECT_EQ(s.Run(), 1);
    EXPECT_EQ(s.host.readCalls, 0);
    EXPECT_FALSE(fs::exists(s.target));
    EXPECT_TRUE(s.sink.shown.empty());
}

TEST(RunFrame, ProgressCancelAndTheFormatLimit) {
    auto setUp = [](RunSetup& s, int rows) {
        s.SetRecords({{"a", 0, 1.0}});
        for (int k = 0; k < rows; ++k)
            s.host.rows.push_back({static_cast<double>(k)});
        ASSERT_EQ(s.Negotiate(), 0);
    };
    {
        // No status window: no progress display is ever opened.
        RunSetup s;
        setUp(s, 5);
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.dialogs->progress.opened, 0);
        EXPECT_EQ(s.Output().size(), 5u);
    }
    {
        // Cancel after the first row, question 4016 answered No: the run goes on.
        RunSetup s;
        setUp(s, 5);
        SetStatusWindow(s.state, s.filter, 1, nullptr, nullptr);
        s.dialogs->progress.cancelAt = {1};
        s.sink.answers = {MessageAnswer::No};
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_CANCEL_EXPORT_QUESTION}));
        EXPECT_EQ(s.Output().size(), 5u);
        EXPECT_EQ(s.dialogs->progress.opened, 1);
        EXPECT_EQ(s.dialogs->progress.closed, 1);
        EXPECT_EQ(s.dialogs->progressMode, ProgressMode::Rows);
    }
    for (const bool boxes : {true, false}) {
        // Yes (or boxes off, which agree without asking) keeps the rows written so far.
        RunSetup s;
        setUp(s, 5);
        s.state.SetFlags(boxes ? 0 : QUENAR_FLAG_NO_MESSAGE_BOXES);
        SetStatusWindow(s.state, s.filter, 1, nullptr, nullptr);
        s.dialogs->progress.cancelAt = {1};
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.sink.shown.size(), boxes ? 1u : 0u);
        EXPECT_EQ(s.Output().size(), 1u);
        EXPECT_EQ(s.dialogs->progress.lastCount, 1);
        EXPECT_EQ(s.FilesInDir(), (std::vector<std::string>{"out.txt"}));
    }
    {
        // The status window switched off by the flags opens nothing.
        RunSetup s;
        setUp(s, 2);
        s.state.SetFlags(QUENAR_FLAG_NO_STATUS_WINDOW);
        SetStatusWindow(s.state, s.filter, 1, nullptr, nullptr);
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.dialogs->progress.opened, 0);
    }
    for (const int rows : {3, 4}) {
        // A format of 3 rows: exactly 3 need no message; a fourth stops the run with 4032.
        RunSetup s;
        setUp(s, rows);
        s.filter->rowLimit = 3;
        ASSERT_EQ(s.Run(), 0);
        EXPECT_EQ(s.Output().size(), 3u);
        if (rows == 3) {
            EXPECT_TRUE(s.sink.shown.empty());
        } else {
            ASSERT_EQ(s.sink.Ids(), (std::vector<int>{QUENAR_MSG_TOO_MANY_LINES}));
            EXPECT_EQ(s.sink.shown[0].text.substr(0, 35), "You tried to store more than 3 line");
        }
    }
}

TEST(RunFrame, AFailedRunLeavesThePreviousFileAndNoTemporary) {
    struct Case {
        const char* what;
        int result;
        int message;
        std::function<void(RunSetup&)> prepare;
    };
    const Case cases[] = {
        {"host error", RUN_HOST_FAILED, QUENAR_MSG_INTERNAL_ERROR,
         [](RunSetup& s) { s.host.failAt = 2; }},
        {"writer's end", 7, 0, [](RunSetup& s) { s.filter->failInFinish = true; }},
        {"folder is a file", RUN_OUTPUT_FAILED, QUENAR_MSG_CANNOT_CREATE,
         [](RunSetup& s) {
             for (auto& record : s.records)
                 record->dataFileName = s.target + "/inner.txt";
         }},
        {"full disk", RUN_OUTPUT_FAILED, QUENAR_MSG_CANNOT_CREATE,
         [](RunSetup& s) {
             s.host.rows.assign(20000, {1.0 / 3.0});
             for (auto& record : s.records)
                 record->dataFileName = "/dev/full";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunSetup s;
        WriteTextFile(s.target, "previous");
        s.SetRecords({{"a", 0, 1.0}});
        s.host.rows = {{1}, {2}, {3}};
        c.prepare(s);
        ASSERT_EQ(s.Negotiate(), 0);
        EXPECT_EQ(s.Run(), c.result);
        EXPECT_EQ(s.sink.Ids(), c.message ? std::vector<int>{c.message} : std::vector<int>{});
        EXPECT_EQ(ReadTextFile(s.target), "previous");
        EXPECT_EQ(s.FilesInDir(), (std::vector<std::string>{"out.txt"}));
        if (c.message == QUENAR_MSG_INTERNAL_ERROR) {
            EXPECT_EQ(s.sink.shown[0].text, "Internal error at QuenarInterface 00501 !");
        } else if (c.message == QUENAR_MSG_CANNOT_CREATE) {
            EXPECT_NE(s.sink.shown[0].text.find(s.records.front()->dataFileName),
                      std::string::npos);
        }
    }
}

TEST(RunFrame, NumbersIgnoreTheProcessLocale) {
    ScopedGermanLocale german;
    if (!german.Active())
        GTEST_SKIP() << "no German locale";
    RunSetup s;
    s.SetRecords({{"a", 0, 0.5}});
    s.host.rows = {{1.5}, {-2.25}};
    ASSERT_EQ(s.Negotiate(), 0);
    ASSERT_EQ(s.Run(), 0);
    EXPECT_EQ(ReadTextFile(s.target), "x;a\r\n0;1.5\r\n0.5;-2.25\r\n");
}

TEST(ProgressText, UpdateRulesAndTheTextDisplay) {
    ProgressTexts texts;
    EXPECT_TRUE(ApplyProgressUpdate(texts, 250.0, 7, -1));
    EXPECT_EQ(texts.bar, 100);
    EXPECT_EQ(texts.percent, "100.00%");
    EXPECT_EQ(texts.count, "7");
    EXPECT_FALSE(ApplyProgressUpdate(texts, 100.0, 7, 0));  // nothing changed
    EXPECT_TRUE(ApplyProgressUpdate(texts, -1.0, 3, 12));
    EXPECT_EQ(texts.percent, "100.00%");
    EXPECT_EQ(texts.count, " 3-12");
    EXPECT_TRUE(ApplyProgressUpdate(texts, 2.5, -1, -1));
    EXPECT_EQ(texts.bar, 2);
    EXPECT_EQ(texts.percent, " 2.50%");
    EXPECT_EQ(texts.count, " 3-12");
    EXPECT_FALSE(ApplyProgressUpdate(texts, NAN, -5, 1));

    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    {
        TextProgress progress(ProgressMode::PercentRowsAndBar, out);
        EXPECT_TRUE(progress.Update(50.0, 1000, -1));
    }
    std::rewind(out);
    char line[128] = {};
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    std::fclose(out);
    EXPECT_STREQ(line, "\r\033[KData export: 50.00% Rows 1000 [##########..........]\n");
}

// Host information functions as the viewer answers them: two comment lines "abµ" (in
// Windows-1252, as the recordings store it) and "".
int CommentCount(void*, const CQuenarSelectItem*) {
    return 2;
}
int CommentLength(void*, const CQuenarSelectItem*, int line) {
    return line == 0 ? 3 : 0;
}
int CommentText(void* context, const CQuenarSelectItem*, int line, char* buffer, int size) {
    static_cast<std::vector<int>*>(context)->push_back(size);
    // Copies size characters and then the terminator: the buffer must hold size + 1.
    std::memcpy(buffer, line == 0 ? "ab\xB5" : "", static_cast<std::size_t>(size));
    buffer[size] = '\0';
    return size;
}
int DateTime(void*, const CQuenarSelectItem*, int selector, void* destination, int size) {
    if (selector == QUENAR_DT_VALUE && size >= 4) {
        const std::int32_t seconds = 1234;
        std::memcpy(destination, &seconds, sizeof seconds);
        return 0;
    }
    if (selector != QUENAR_DT_DATE)
        return QUENAR_DT_DOES_NOT_FIT;
    std::snprintf(static_cast<char*>(destination), static_cast<std::size_t>(size), "08.12.2026");
    return 0;
}
void Range(void*, const CQuenarSelectItem*, double* minimum, double* maximum) {
    *minimum = 5.0;
    *maximum = -1.0;
}

TEST(HostAccess, CommentaryDateTimeAndRange) {
    QuenarHostTable table;
    std::vector<int> sizes;
    const QuenarHostAccess host(table, &sizes);
    CQuenarStreamTest filter;
    filter.commentaryMode = 1;
    const QuenarSelectList records = MakeRecords({{"a"}});
    const CQuenarSelectItem& record = *records.front();
    EXPECT_FALSE(host.Commentary(record).has_value());
    EXPECT_EQ(FilterCommentary(filter, records, host), "");
    double minimum = 0.0;
    double maximum = 0.0;
    EXPECT_FALSE(host.ValueRange(record, minimum, maximum));
    EXPECT_FALSE(host.DateTimeText(record, QUENAR_DT_DATE).has_value());

    table.Register(QUENAR_FN_COMMENT_COUNT, AsHostFunction(&CommentCount));
    table.Register(QUENAR_FN_COMMENT_LENGTH, AsHostFunction(&CommentLength));
    table.Register(QUENAR_FN_COMMENT_TEXT, AsHostFunction(&CommentText));
    table.Register(QUENAR_FN_DATE_TIME, AsHostFunction(&DateTime));
    table.Register(QUENAR_FN_VALUE_RANGE, AsHostFunction(&Range));
    EXPECT_EQ(FilterCommentary(filter, records, host), "ab\xC2\xB5\n");
    EXPECT_EQ(sizes, (std::vector<int>{3, 0}));
    filter.commentaryMode = 2;
    filter.commentaryText = "own";
    EXPECT_EQ(FilterCommentary(filter, records, host), "own");
    EXPECT_EQ(host.DateTimeText(record, QUENAR_DT_DATE), "08.12.2026");
    EXPECT_FALSE(host.DateTimeText(record, QUENAR_DT_TIME).has_value());
    EXPECT_EQ(host.RecordingSeconds(record), 1234);
    ASSERT_TRUE(host.ValueRange(record, minimum, maximum));
    EXPECT_EQ(minimum, -1.0);
    EXPECT_EQ(maximum, 5.0);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
