// The filter "Standard" as the build installs it, found in the global filter folder beside
// the programs and run through every exported function of an export without a dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/installed_filters.h"
#include "exportfilter/engine/tests/fake_host.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/quenvartexila.h"
#include "exportfilter/quenvartexila_state.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

using grafyon::test::ReadTextFile;
using grafyon::test::TempDir;
using grafyon::test::WriteTextFile;

// A cell of the default columns: the text left-aligned in 16 characters and a space.
std::string Cell(const std::string& text) {
    return text + std::string(16 - text.size(), ' ') + " ";
}

TEST(StandardFilter, ExportsWithoutAnyDialogFromTheInstalledFolder) {
    const char* bin = std::getenv("GRAFYON_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    const std::string global = InstalledFilterFolder(bin);
    ASSERT_FALSE(global.empty()) << "no share/grafyon/ExportFilter beside " << bin;
    ASSERT_TRUE(std::filesystem::is_regular_file(global + "Standard.yef"));
    EXPECT_EQ(InstalledFilterFolder(std::filesystem::path(bin) / "missing"), "");

    TempDir dir;
    const std::string local = dir / "filters/";
    std::filesystem::create_directories(local);
    FakeSink sink;
    QuenvartexilaState().messenger.SetSink(&sink);
    QuenvartexilaSetFlags(QUENAR_FLAG_NO_STATUS_WINDOW);
    QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH, local.c_str());
    QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH, global.c_str());
    const std::string document = dir / "run1.mdf";
    WriteTextFile(document, "measurement");
    // An older export is overwritten without asking.
    WriteTextFile(dir / "run1.TXT", "old");

    CQuenarSelectItem* source = nullptr;
    CQuenarClass* filter = nullptr;
    ASSERT_EQ(QuenvartexilaSelectFileAndFilter(nullptr, source, filter, nullptr, "standard"), 0);
    QuenarSelectList records = MakeRecords({{"Speed", 0.02, 0.01}, {"Torque", 0.02, 0.01}});
    const char* units[] = {"rpm", "Nm"};
    const char* labels[] = {"n", "M"};
    int i = 0;
    for (auto& record : records) {
        record->selected = 0;
        record->file = document;
        record->unit = units[i];
        record->label = labels[i++];
    }
    ASSERT_EQ(QuenvartexilaSelectDatasets(records, filter), 0);
    ASSERT_EQ(QuenvartexilaSelectExportFiles(document.c_str(), records, filter), 0);
    FakeHost host;
    host.rows = {{1500.0, -3.25}, {1512.5, 1e-7}, {-0.0, 123456789.0}};
    QuenvartexilaSetCallback(AsHostFunction(&FakeHost::ReadRow), QUENAR_FN_READ_ROW);
    QuenvartexilaSetStatusWindow(filter, 1, nullptr, nullptr);
    ASSERT_EQ(QuenvartexilaReqFuncAssignment(records, filter, &host), 0);
    ASSERT_EQ(QuenvartexilaFormatAssignment(records, filter, &host), 0);
    ASSERT_EQ(QuenvartexilaConvert(records, filter), 0);
    records.clear();
    EXPECT_EQ(QuenvartexilaReleaseFilter(filter), 0);
    QuenvartexilaState().messenger.SetSink(nullptr);
    EXPECT_TRUE(sink.shown.empty());

    const std::string expected =
        Cell("Time") + Cell("Speed") + Cell("Torque") + "\r\n" + Cell("Time") + Cell("n") +
        Cell("M") + "\r\n" + Cell("[s]") + Cell("[rpm]") + Cell("[Nm]") + "\r\n" + Cell("0.02") +
        Cell("1500") + Cell("-3.25") + "\r\n" + Cell("0.03") + Cell("1512.5") + Cell("1e-07") +
        "\r\n" + Cell("0.04") + Cell("-0") + Cell("1.23457e+08") + "\r\n";
    EXPECT_EQ(ReadTextFile(dir / "run1.TXT"), expected);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
