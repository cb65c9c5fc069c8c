// The exported functions in their calling order, driven by a fake host, with the headless
// dialogs and with scripted ones; their edge cases, re-entry and exceptions.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_file.h"
#include "exportfilter/engine/tests/fake_host.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/engine/tests/test_stream.h"
#include "exportfilter/quenvartexila.h"
#include "exportfilter/quenvartexila_state.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

namespace fs = std::filesystem;
using grafyon::test::ReadTextFile;
using grafyon::test::TempDir;
using grafyon::test::WriteTextFile;

// The host's information functions, counting their calls in the host context.
struct Host : FakeHost {
    int informationCalls = 0;
    static void Range(void* context, const CQuenarSelectItem*, double*, double*) {
        ++static_cast<Host*>(context)->informationCalls;
    }
    static int Count(void* context, const CQuenarSelectItem*) {
        ++static_cast<Host*>(context)->informationCalls;
        return 0;
    }
};

int SecondReadRow(void* context, double* values) {
    static_cast<Host*>(context)->informationCalls += 100;
    return FakeHost::ReadRow(context, values);
}

class ExportInterface : public testing::Test {
protected:
    void SetUp() override {
        QuenarLibraryState& state = QuenvartexilaState();
        state.registry.Add(CQuenarStreamTest::CLASS_INFO);
        state.messenger.SetSink(&sink);
        QuenvartexilaSetFlags(0);
        fs::create_directories(dir / "filters");
        QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH, (dir / "filters/").c_str());
        QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH, "");
        document = dir / "run1.mdf";
        WriteTextFile(document, "measurement");
        sources.push_back(std::make_unique<CQuenarSelectItem>());
        sources.back()->name = document;
    }
    void TearDown() override {
        QuenvartexilaState().InstallDialogs(nullptr);
        QuenvartexilaState().messenger.SetSink(nullptr);
    }

    FakeDialogs& InstallFakeDialogs() {
        auto fake = std::make_unique<FakeDialogs>();
        FakeDialogs& dialogs = *fake;
        QuenvartexilaInstallDialogs(std::move(fake));
        return dialogs;
    }

    // A filter file named name: "export only selected datasets" with one definition, no
    // allocation dialog, no file dialog, overwriting; data file <document>.TXT.
    std::string WriteFilter(const std::string& name,
                            const std::function<void(CQuenarStreamTest&)>& change = {}) {
        CQuenarStreamTest filter;
        filter.typeCode = TEST_STREAM_TYPE;
        filter.onlySelected = 1;
        filter.allocationMode = 0;
        auto definition = std::make_unique<CQuenarChannelDef>();
        definition->identifier = "Chan";
        filter.channelDefs.push_back(std::move(definition));
        filter.singleFile.dataExtension = "TXT";
        filter.singleFile.fileDialog = 0;
        filter.singleFile.overwrite = 2;
        if (change)
            change(filter);
        const std::string path = dir / ("filters/" + name + ".yef");
        EXPECT_EQ(WriteFilterFile(path, filter), 0);
        return path;
    }

    void SetRecords(const std::vector<std::string>& names) {
        records.clear();
        for (const std::string& name : names) {
            auto record = std::make_unique<CQuenarSelectItem>();
            record->name = name;
            record->file = document;
            record->step = 0.01;
            records.push_back(std::move(record));
        }
        HostRows(names.size());
    }
    // 250 rows of the given width, all values of row k being k / 2.
    void HostRows(std::size_t width) {
        host.rows.clear();
        for (int k = 0; k < 250; ++k)
            host.rows.push_back(std::vector<double>(width, k * 0.5));
    }

    // The calling order up to the data files, with the default filter "Speeds".
    CQuenarClass* Prepare(const std::vector<std::string>& names) {
        WriteFilter("Speeds");
        CQuenarSelectItem* source = nullptr;
        CQuenarClass* filter = nullptr;
        EXPECT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, "Speeds"), 0);
        SetRecords(names);
        EXPECT_EQ(QuenvartexilaSelectDatasets(records, filter), 0);
        EXPECT_EQ(QuenvartexilaSelectExportFiles(document.c_str(), records, filter), 0);
        QuenvartexilaSetCallback(AsHostFunction(&FakeHost::ReadRow), QUENAR_FN_READ_ROW);
        return filter;
    }

    std::string Target() const { return dir / "run1.TXT"; }

    TempDir dir;
    FakeSink sink;
    std::string document;
    QuenarSelectList sources;
    QuenarSelectList records;
    Host host;
};

TEST_F(ExportInterface, WholeExportWithTheHeadlessDialogs) {
    for (const std::size_t count : {1u, 3u}) {
        SCOPED_TRACE(count);
        WriteFilter("Speeds");
        CQuenarSelectItem* source = nullptr;
        CQuenarClass* filter = nullptr;
        ASSERT_EQ(
            QuenvartexilaSelectFileAndFilter(&sources, source, filter, document.c_str(), "speeds"),
            0);
        EXPECT_EQ(source, sources.front().get());
        ASSERT_NE(filter, nullptr);
        std::vector<std::string> names = {"n1", "n2", "n3"};
        names.resize(count);
        SetRecords(names);
        ASSERT_EQ(QuenvartexilaSelectDatasets(records, filter), 0);
        ASSERT_EQ(QuenvartexilaSelectExportFiles(document.c_str(), records, filter), 0);
        EXPECT_EQ(records.front()->dataFileName, Target());
        QuenvartexilaSetCallback(AsHostFunction(&FakeHost::ReadRow), QUENAR_FN_READ_ROW);
        QuenvartexilaSetCallback(AsHostFunction(&Host::Range), QUENAR_FN_VALUE_RANGE);
        for (int id : {QUENAR_FN_COMMENT_COUNT, QUENAR_FN_COMMENT_LENGTH, QUENAR_FN_COMMENT_TEXT,
                       QUENAR_FN_DATE_TIME})
            QuenvartexilaSetCallback(AsHostFunction(&Host::Count), id);
        QuenvartexilaSetStatusWindow(filter, 1, nullptr, nullptr);
        ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
        ASSERT_EQ(QuenvartexilaFormatAssignment(records, filter, &host), 0);
        ASSERT_EQ(QuenvartexilaConvert(records, filter), 0);
        records.clear();
        EXPECT_EQ(QuenvartexilaReleaseFilter(filter), 0);

        const auto rows = ParseRows(ReadTextFile(Target()));
        ASSERT_EQ(rows.size(), 250u);
        std::vector<double> last(count + 1, 249 * 0.5);
        last[0] = 249 * 0.01;  // x of the last row
        EXPECT_EQ(rows[249], last);
        EXPECT_EQ(host.readCalls, 251);
        EXPECT_EQ(host.informationCalls, 0);
        EXPECT_TRUE(sink.shown.empty());
        host = Host();
    }
}

TEST_F(ExportInterface, WholeExportThroughDialogs) {
    FakeDialogs& dialogs = InstallFakeDialogs();
    const std::string path = WriteFilter("Pick", [](CQuenarStreamTest& filter) {
        filter.onlySelected = 0;
        filter.allocationMode = 1;
        filter.channelDefs.front()->defaultDataset = "x";
        filter.channelDefs.push_back(filter.channelDefs.front()->Clone());
        filter.channelDefs.back()->identifier = "Second";
    });
    sources.push_back(std::make_unique<CQuenarSelectItem>());
    sources.back()->name = dir / "other.mdf";
    dialogs.sourceAndFilter = QuenarDialogs::SourceAndFilter{1, {path, "Pick"}};
    CQuenarSelectItem* source = nullptr;
    CQuenarClass* filter = nullptr;
    ASSERT_EQ(QuenvartexilaSelectFileAndFilter(&sources, source, filter, nullptr, nullptr), 0);
    EXPECT_EQ(source, sources.back().get());
    EXPECT_EQ(dialogs.calls.sourceAndFilter, 1);

    SetRecords({"a", "b", "c"});
    dialogs.allocation = std::vector<std::string>{"c", "a"};
    ASSERT_EQ(QuenvartexilaSelectDatasets(records, filter), 0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records.front()->channelDef->identifier, "Second");
    HostRows(2);  // the host writes one value per record still in the list
    ASSERT_EQ(QuenvartexilaSelectExportFiles(document.c_str(), records, filter), 0);
    QuenvartexilaSetCallback(AsHostFunction(&FakeHost::ReadRow), QUENAR_FN_READ_ROW);
    QuenvartexilaSetStatusWindow(filter, 1, nullptr, nullptr);
    ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
    ASSERT_EQ(QuenvartexilaFormatAssignment(records, filter, &host), 0);
    ASSERT_EQ(QuenvartexilaConvert(records, filter), 0);
    EXPECT_EQ(dialogs.progress.opened, 1);
    EXPECT_EQ(dialogs.progress.closed, 1);
    EXPECT_EQ(ReadTextFile(Target()).substr(0, 8), "x;a;c\r\n0");
    EXPECT_EQ(QuenvartexilaReleaseFilter(filter), 0);
}

TEST_F(ExportInterface, ChoosingSourceAndFilter) {
    WriteFilter("Speeds");
    CQuenarSelectItem* source = nullptr;
    CQuenarClass* filter = nullptr;
    FakeDialogs& dialogs = InstallFakeDialogs();

    // A known filter and no source list: loaded without any dialog.
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, "SPEEDS"), 0);
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(QuenvartexilaReleaseFilter(filter), 0);
    // A filter once released is no filter any more: refused, never touched.
    EXPECT_EQ(QuenvartexilaSelectDatasets(records, filter), 1);
    EXPECT_EQ(sink.shown.back().text, "Internal error at QuenarInterface 00101 !");

    // A name that matches no file leads to the filter choice.
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, "Missing"), 1);
    EXPECT_EQ(dialogs.calls.filter, 1);
    EXPECT_EQ(filter, nullptr);
    // A source that is not in the list, with a known filter: "Select data file".
    dialogs.source = 0;
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(&sources, source, filter, "other", "Speeds"), 0);
    EXPECT_EQ(dialogs.calls.source, 1);
    EXPECT_EQ(dialogs.shownFilter, "Speeds");
    EXPECT_EQ(source, sources.front().get());
    QuenvartexilaReleaseFilter(filter);

    sink.shown.clear();
    QuenarSelectList empty;
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(&empty, source, filter, "x", "Speeds"), 2);
    dialogs.filter = ChosenFilter{};
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, nullptr), 5);
    WriteTextFile(dir / "filters/Broken.yef", "not a filter");
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, "Broken"), 6);
    EXPECT_EQ(filter, nullptr);
    EXPECT_EQ(sink.Ids(), (std::vector<int>{QUENAR_MSG_NO_DATA_FILES, QUENAR_MSG_NO_FILTER_SELECTED,
                                            QUENAR_MSG_FILTER_LOAD_FAILED}));

    // Headless, every dialog counts as cancelled.
    QuenvartexilaState().InstallDialogs(nullptr);
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, "Missing"), 1);
    std::string chosen = "unchanged";
    EXPECT_EQ(QuenvartexilaList(&chosen, 1), 1);
    EXPECT_EQ(QuenvartexilaList(nullptr, 0), 0);
    EXPECT_EQ(chosen, "unchanged");
}

TEST_F(ExportInterface, SmallFunctionsAndMissingFilters) {
    const FilterFolders before = QuenvartexilaState().folders;
    EXPECT_EQ(QuenvartexilaPathInitial(18, "/elsewhere/"), 0);
    EXPECT_EQ(QuenvartexilaState().folders.local, before.local);
    EXPECT_EQ(QuenvartexilaState().folders.global, before.global);

    EXPECT_EQ(QuenvartexilaSelectDatasets(records, nullptr), 1);
    EXPECT_EQ(QuenvartexilaSelectExportFiles(nullptr, records, nullptr), 1);
    EXPECT_EQ(QuenvartexilaReqFuncAssignment(records, nullptr, nullptr), 1);
    EXPECT_EQ(QuenvartexilaFormatAssignment(records, nullptr, nullptr), 1);
    EXPECT_EQ(QuenvartexilaConvert(records, nullptr), 1);
    QuenvartexilaSetStatusWindow(nullptr, 1, nullptr, nullptr);
    EXPECT_EQ(QuenvartexilaReleaseFilter(nullptr), 0);
    EXPECT_EQ(sink.Ids(), std::vector<int>(5, QUENAR_MSG_INTERNAL_ERROR));

    FakeDialogs& dialogs = InstallFakeDialogs();
    dialogs.managed = "Chosen";
    std::string chosen;
    EXPECT_EQ(QuenvartexilaList(&chosen, 1), 0);
    EXPECT_EQ(chosen, "Chosen");
}

TEST_F(ExportInterface, ASecondRegistrationReplacesTheFirst) {
    CQuenarClass* filter = Prepare({"a"});
    QuenvartexilaSetCallback(AsHostFunction(&SecondReadRow), QUENAR_FN_READ_ROW);
    ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
    ASSERT_EQ(QuenvartexilaConvert(records, filter), 0);
    EXPECT_EQ(host.informationCalls, 251 * 100);

    // Taking it back leaves nothing to read the rows with.
    QuenvartexilaSetCallback(nullptr, QUENAR_FN_READ_ROW);
    EXPECT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 2);
    EXPECT_EQ(sink.Ids(), (std::vector<int>{QUENAR_MSG_REQUESTS_NOT_SATISFIED}));
    QuenvartexilaReleaseFilter(filter);
}

TEST_F(ExportInterface, WithBoxesOffCancelIsHonouredWithoutAsking) {
    FakeDialogs& dialogs = InstallFakeDialogs();
    CQuenarClass* filter = Prepare({"a", "b"});
    QuenvartexilaSetFlags(QUENAR_FLAG_NO_MESSAGE_BOXES);
    QuenvartexilaSetStatusWindow(filter, 1, nullptr, nullptr);
    dialogs.progress.cancelAt = {1};
    ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
    ASSERT_EQ(QuenvartexilaConvert(records, filter), 0);
    EXPECT_EQ(ParseRows(ReadTextFile(Target())).size(), 1u);
    QuenvartexilaReleaseFilter(filter);
    QuenarSelectList empty;
    CQuenarSelectItem* source = nullptr;
    EXPECT_EQ(QuenvartexilaSelectFileAndFilter(&empty, source, filter, nullptr, nullptr), 2);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ExportInterface, ReentryIsRefusedAndExceptionsStayInside) {
    CQuenarClass* filter = Prepare({"a"});
    ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
    int refused = 0;
    host.duringRow = [&] {
        if (host.readCalls == 5) {
            refused += QuenvartexilaReleaseFilter(filter) == 20;
            refused += QuenvartexilaConvert(records, filter) == 20;
        }
    };
    ASSERT_EQ(QuenvartexilaConvert(records, filter), 0);
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(sink.shown.back().text, "Internal error at QuenarInterface 00151 !");
    EXPECT_EQ(ParseRows(ReadTextFile(Target())).size(), 250u);

    WriteTextFile(Target(), "previous");
    host = Host();
    SetRecords({"a"});
    records.front()->selected = 1;
    records.front()->dataFileName = Target();
    host.duringRow = [&] {
        if (host.readCalls == 3)
            throw std::runtime_error("the host's data are gone");
    };
    ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
    EXPECT_EQ(QuenvartexilaConvert(records, filter), 20);
    EXPECT_EQ(sink.shown.back().text, "Internal error at QuenarInterface 00912 !");
    EXPECT_EQ(ReadTextFile(Target()), "previous");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 3u);  // filters/, run1.mdf, run1.TXT
    // The run is over: the library takes calls again.
    EXPECT_EQ(QuenvartexilaReleaseFilter(filter), 0);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
