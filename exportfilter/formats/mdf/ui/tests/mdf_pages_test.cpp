// The MDF sheet (its check for an empty channel list) and the descriptor page of its
// channel definitions, which the other measurement formats share.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/library_state.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/formats/mdf/mdf_channel_def.h"
#include "exportfilter/formats/mdf/mdf_stream.h"
#include "exportfilter/formats/mdf/ui/mdf_pages.h"
#include "exportfilter/ui/channel_def_list_page.h"
#include "exportfilter/ui/descriptor_pages.h"
#include "exportfilter/ui/tests/dialog_driver.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

struct Pages {
    Pages() {
        state.messenger.SetSink(&sink);
        AddMdfPages(registry);
    }
    grafyon::test::ScopedEnv language{"LC_ALL", "C.UTF-8"};
    QuenarLibraryState state;
    FakeSink sink;
    FilterPageRegistry registry = DefaultFilterPages();
};

TEST(MdfSheet, AnEmptyChannelListAsksAndReturnsToTheListOrCancels) {
    Pages p;
    CQuenarStreamMdf filter;
    filter.designation = "old";
    const PageContext context{p.state.messenger, p.registry};
    // OK on the question: the sheet stays, on the channel definitions; then Cancel.
    p.sink.answers = {MessageAnswer::Ok};
    WhenModal<CEditSheet>([&p](CEditSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "MDF format(Streaming-Data)");
        ASSERT_EQ(sheet.PageCount(), 4);
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.Page(sheet.CurrentPage()), sheet.FindPage<CChannelDefListPage>());
        EXPECT_EQ(p.sink.Ids(), std::vector<int>{QUENAR_MSG_NO_OUTPUT_CHANNEL});
        sheet.reject();
    });
    EXPECT_FALSE(EditFilterInSheet(filter, context, nullptr));
    // Cancel on the question closes the sheet and keeps the old settings.
    p.sink.answers = {MessageAnswer::Cancel};
    WhenModal<CEditSheet>([](CEditSheet& sheet) { sheet.accept(); });
    EXPECT_FALSE(EditFilterInSheet(filter, context, nullptr));
    EXPECT_EQ(filter.designation, "old");
    EXPECT_TRUE(filter.channels.empty());
}

TEST(DescriptorPage, ChoosesTheSourcesAndKeepsUserTextsOnlyWhereChosen) {
    Pages p;
    {
        auto definition = std::make_unique<CQuenarChannelDefMdf>();
        definition->descriptors.userComment = "kept";
        const PageContext context{p.state.messenger, p.registry};
        WhenModal<CEditSheet>([](CEditSheet& sheet) {
            auto* page = sheet.FindPage<CDescriptorPage>();
            ASSERT_NE(page, nullptr);
            // The defaults: dataset name and dataset label; user fields off.
            EXPECT_TRUE(page->NameSources()->button(0)->isChecked());
            EXPECT_TRUE(page->CommentSources()->button(1)->isChecked());
            EXPECT_FALSE(page->UserName()->isEnabled());
            page->NameSources()->button(2)->setChecked(true);
            EXPECT_TRUE(page->UserName()->isEnabled());
            page->UserName()->setText("Kraft vorn");
            page->CommentSources()->button(2)->setChecked(true);
            EXPECT_FALSE(page->UserComment()->isEnabled());
            sheet.accept();
        });
        ASSERT_TRUE(EditChannelDefInSheet(*definition, context, nullptr));
        EXPECT_EQ(definition->descriptors.nameSource, 2);
        EXPECT_EQ(definition->descriptors.userName, "Kraft vorn");
        EXPECT_EQ(definition->descriptors.commentSource, 2);
        EXPECT_EQ(definition->descriptors.userComment, "kept");
    }
}

}  // namespace
}  // namespace grafyon::exportfilter::test
