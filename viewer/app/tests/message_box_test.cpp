// Message boxes in batch mode: text on standard error, default answer at once.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "viewer/app/message_box.h"

namespace grafyon {
namespace {

TEST(MessageBox, BatchModeOnTheOffscreenPlatform) {
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_TRUE(IsBatchMode());
}

TEST(MessageBox, BatchModePrintsAndTakesTheDefaultAnswer) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox("first\nsecond", MessageIcon::Error), MessageAnswer::Ok);
    EXPECT_EQ(ShowMessageBox("Overwrite?", MessageIcon::Question, MessageButtons::YesNo,
                             MessageAnswer::No),
              MessageAnswer::No);
    EXPECT_EQ(ShowMessageBox("Continue?", MessageIcon::Question, MessageButtons::YesNoCancel,
                             MessageAnswer::Yes),
              MessageAnswer::Yes);
    EXPECT_EQ(
        ShowMessageBox(QString::fromUtf8("\xc2\xabUmlaut \xc3\xa4\xc2\xbb"),
                       MessageIcon::Information, MessageButtons::OkCancel, MessageAnswer::Cancel),
        MessageAnswer::Cancel);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Grafy: first\nsecond\nGrafy: Overwrite?\nGrafy: Continue?\n"
              "Grafy: \xc2\xabUmlaut \xc3\xa4\xc2\xbb\n");
}

}  // namespace
}  // namespace grafyon
