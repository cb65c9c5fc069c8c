// The string table and the message function.
#include <gtest/gtest.h>

#include <cstdlib>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/format_table.h"
#include "exportfilter/engine/library_state.h"
#include "fakes.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

// The texts the tests compare are the English ones, whatever the machine's locale.
class EnglishTexts : public ::testing::Environment {
public:
    void SetUp() override { ::setenv("LC_ALL", "C", 1); }
};
[[maybe_unused]] const auto* const ENGLISH = ::testing::AddGlobalTestEnvironment(new EnglishTexts);

TEST(ExportStrings, EveryTextHasAGermanOneAndTheLanguageFollowsTheLocale) {
    for (const NumberedString& entry : QuenarStringTable()) {
        EXPECT_NE(entry.german, nullptr) << entry.id;
        EXPECT_NE(*entry.english, '\0') << entry.id;
    }
    EXPECT_EQ(QuenarString(QUENAR_MSG_NO_DATA_FILES), "No data files loaded !");
    grafyon::test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(QuenarString(QUENAR_MSG_NO_DATA_FILES), "Keine Datendateien geladen !");
    EXPECT_EQ(QuenarString(QUENAR_STR_DESIGNATION), "Bezeichnung");
}

TEST(FormatTable, RowsInTheirOrderAndUnknownCodes) {
    const auto formats = FilterFormats();
    ASSERT_EQ(formats.size(), 18u);
    EXPECT_EQ(formats[8].typeCode, 160);  // Excel sits before RPC III
    EXPECT_EQ(FilterFormatName(192), "MDF format(Streaming-Data)");
    EXPECT_FALSE(FindFilterFormat(65)->offered);
    EXPECT_EQ(FilterFormatName(-1), "No filer file");
    EXPECT_EQ(FilterFormatName(18), "No filer file");
}

TEST(MessageFunction, TheArgumentIsDataNeverAFormat) {
    EXPECT_EQ(MessageText(QUENAR_MSG_CANNOT_CREATE, "/tmp/100%s %n %d.yef"),
              "The file with the name\n/tmp/100%s %n %d.yef\ncannot be created!");
    EXPECT_EQ(MessageText(0, "plain %s text"), "plain %s text");
    EXPECT_EQ(MessageText(QUENAR_MSG_INTERNAL_ERROR, InternalErrorLocation(42)),
              "Internal error at QuenarInterface 00042 !");
    EXPECT_EQ(MessageText(QUENAR_MSG_NO_DATA_FILES, std::nullopt), "No data files loaded !");
}

TEST(MessageFunction, BoxesOffAnswerAsAgreedWithoutShowing) {
    FakeSink sink;
    QuenarLibraryState state;
    state.messenger.SetSink(&sink);
    sink.answers = {MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_FALSE(state.messenger.Ask(QUENAR_MSG_CANCEL_EXPORT_QUESTION));
    EXPECT_EQ(state.messenger.Message(QUENAR_MSG_NO_COLUMN, MessageButtons::OkCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(sink.shown.size(), 2u);

    state.SetFlags(QUENAR_FLAG_NO_MESSAGE_BOXES | QUENAR_FLAG_NO_STATUS_WINDOW);
    sink.answers = {MessageAnswer::No, MessageAnswer::No};
    EXPECT_TRUE(state.messenger.Ask(QUENAR_MSG_CANCEL_EXPORT_QUESTION));
    EXPECT_EQ(state.messenger.Message(QUENAR_MSG_NO_COLUMN, MessageButtons::OkCancel),
              MessageAnswer::Ok);
    EXPECT_EQ(sink.shown.size(), 2u);
    EXPECT_FALSE(state.statusWindowEnabled);

    state.SetFlags(0);
    EXPECT_TRUE(state.messenger.BoxesEnabled());
    EXPECT_TRUE(state.statusWindowEnabled);
}

TEST(LibraryState, PathInitialSetsOnlyTheTwoFolders) {
    QuenarLibraryState state;
    EXPECT_EQ(state.folders.local, "");
    EXPECT_EQ(state.PathInitial(QUENAR_LOCAL_FILTER_PATH, "/l/"), 0);
    EXPECT_EQ(state.PathInitial(QUENAR_GLOBAL_FILTER_PATH, "/g/"), 0);
    EXPECT_EQ(state.PathInitial(18, "/x/"), 0);
    EXPECT_EQ(state.folders.local, "/l/");
    EXPECT_EQ(state.folders.global, "/g/");
    EXPECT_NE(state.registry.Find("CQuenarChannelDef1File"), nullptr);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
