// The Mail button's flow with fake messaging functions, and its messages.
#include <gtest/gtest.h>

#include "about/report_file.h"
#include "about/report_mail.h"
#include "test_support.h"

namespace grafyon::about {
namespace {

// What the fake messaging functions were asked and answer.
struct FakeMail {
    EMessagingRet initResult = MESSAGING_SUCCESS;
    EMessagingRet sendResult = MESSAGING_SUCCESS;
    int inits = 0;
    int sends = 0;
    int exits = 0;
    std::string receiver, subject, body;
};
FakeMail fake;

const MailFunctions FAKE_FUNCTIONS = {
    [] {
        ++fake.inits;
        return fake.initResult;
    },
    [](const char* receiver, const char* subject, const char* body) {
        ++fake.sends;
        fake.receiver = receiver;
        fake.subject = subject;
        fake.body = body;
        return fake.sendResult;
    },
    [] { ++fake.exits; }};

TEST(ReportMail, MessagesAndExitAfterEveryAttempt) {
    test::ScopedEnv english("LC_ALL", "C");
    fake = {};
    fake.initResult = MAPI32DLL_NOT_FOUND;
    EXPECT_EQ(MailProgramReport(FAKE_FUNCTIONS, "a@b.org", "Grafy", "", 0),
              "An error occured at the initialization of the mail function !\n"
              "Internal Error: MAPI32DLL_NOT_FOUND");
    // The failed init is ended too, so the next attempt does not meet MAPI_ALLREADY_INIT.
    EXPECT_EQ(fake.exits, 1);
    EXPECT_EQ(fake.sends, 0);

    fake = {};
    EXPECT_EQ(MailProgramReport(FAKE_FUNCTIONS, "  \t ", "Grafy", "", 0),
              "The sending of the mail failed! There is no target address.");
    EXPECT_EQ(fake.sends, 0);
    EXPECT_EQ(fake.exits, 1);

    fake = {};
    fake.sendResult = NO_RECIPIENTS;
    EXPECT_EQ(MailProgramReport(FAKE_FUNCTIONS, "a@b.org", "Grafy", "", 0),
              "The sending of the mail failed !\nInternal Error: NO_RECIPIENTS");
    EXPECT_EQ(fake.exits, 1);

    test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    fake = {};
    fake.sendResult = static_cast<EMessagingRet>(42);
    EXPECT_EQ(MailProgramReport(FAKE_FUNCTIONS, "a@b.org", "Grafy", "", 0),
              "Das Versenden der Mail ist fehlgeschlagen !\nInternal Error: UKNOWN_ERROR");
}

TEST(ReportMail, ReceiverSubjectAndBody) {
    test::TempDir dir;
    test::ScopedEnv timeZone("TZ", "UTC");
    const std::string report = dir / "Vantorel.log";
    ASSERT_TRUE(WriteReportFile(report, {"line 1", "line 2"}));
    fake = {};
    // 2024-03-05 07:08 UTC
    EXPECT_EQ(MailProgramReport(FAKE_FUNCTIONS, " a@b.org  ", "Grafy", report, 1709622480), "");
    EXPECT_EQ(fake.receiver, " a@b.org");
    EXPECT_EQ(fake.subject, "Grafy - Automatic Program Report");
    EXPECT_EQ(fake.body,
              "\n\nGrafy - Automatic Program Report\n\nDate: 05.03.2024 - 07:08\n\n"
              "line 1\nline 2\n");
    EXPECT_EQ(fake.exits, 1);
}

}  // namespace
}  // namespace grafyon::about
