// Without a display the installed user interface answers headless, so a batch run never
// waits for a dialog or a message box nobody can see.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "exportfilter/engine/library_state.h"
#include "exportfilter/ui/display_dialogs.h"

namespace grafyon::exportfilter::test {
namespace {

TEST(DisplayDialogs, AnswerHeadlessOnTheOffscreenPlatform) {
    ASSERT_FALSE(HasDisplay());  // the tests run on the offscreen platform
    QuenarLibraryState state;
    const auto dialogs = MakeDisplayDialogs(state.messenger, DefaultFilterPages());
    EXPECT_EQ(dialogs->ManageFilters(state, true), std::nullopt);
    EXPECT_EQ(dialogs->SelectFilter(state), std::nullopt);
    EXPECT_EQ(dialogs->SaveAs(), nullptr);
    EXPECT_EQ(dialogs->Editor(), nullptr);
    // No window of the library opened.
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();

    // A question takes its agreeing answer instead of a box.
    const auto messages = MakeDisplayMessageSink();
    EXPECT_EQ(messages->ShowMessage(4016, "cancel?", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(messages->ShowMessage(4000, "file", MessageButtons::Ok), MessageAnswer::Ok);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
