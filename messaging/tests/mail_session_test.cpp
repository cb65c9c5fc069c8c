// The mail session's order of codes and sendmail started with a fake program.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "fake_program.h"
#include "messaging/mail_session.h"
#include "messaging/sendmail.h"

namespace grafyon::messaging {
namespace {

using namespace std::chrono_literals;

MailSession SessionWith(std::optional<std::string> program, std::chrono::milliseconds timeout,
                        int* lookups = nullptr) {
    return MailSession(
        [program, lookups] {
            if (lookups)
                ++*lookups;
            return program;
        },
        timeout, [] { return std::time_t{0}; });
}

TEST(MailSession, OrderOfUse) {
    int lookups = 0;
    MailSession session = SessionWith(std::nullopt, 1s, &lookups);
    // Sending before init does not look for sendmail at all.
    EXPECT_EQ(session.Send("a@b.org", "s", "b"), MAPI_NOT_INIT);
    EXPECT_EQ(lookups, 0);
    EXPECT_EQ(session.Init(), MAPI32DLL_NOT_FOUND);
    // A failed init keeps its session until exit.
    EXPECT_EQ(session.Init(), MAPI_ALLREADY_INIT);
    EXPECT_EQ(session.Send("a@b.org", "s", "b"), MAPI_NOT_INIT);
    EXPECT_EQ(lookups, 1);
    session.Exit();
    EXPECT_FALSE(session.Exists());
    EXPECT_EQ(session.Init(), MAPI32DLL_NOT_FOUND);
    EXPECT_EQ(lookups, 2);
}

TEST(MailSession, SendmailGetsTheMessageOnItsInputAndNothingOnItsCommandLine) {
    test::TempDir dir;
    const std::string program = test::WriteFakeProgram(dir, "sendmail");
    MailSession session = SessionWith(program, 10s);
    ASSERT_EQ(session.Init(), MESSAGING_SUCCESS);
    EXPECT_EQ(session.Send("-oQ/tmp x@y.org", "Report ä", "body\n"), MESSAGING_SUCCESS);
    EXPECT_EQ(test::ReadTextFile(program + ".args"), "-t\n-oi\n");
    const std::string input = test::ReadTextFile(program + ".stdin");
    EXPECT_EQ(input.substr(0, input.find('\n')), "To: -oQ/tmp x@y.org");
    EXPECT_NE(input.find("Subject: =?UTF-8?B?UmVwb3J0IMOk?=\n"), std::string::npos);
    EXPECT_TRUE(input.ends_with("\n\nbody\n"));
    // Injection attempts never start sendmail.
    std::filesystem::remove(program + ".stdin");
    EXPECT_EQ(session.Send("x@y.org\nBcc: z@w.org", "s", "b"), CANT_CREATE_MESSAGE);
    EXPECT_EQ(session.Send("x@y.org", "s\r\nBcc: z@w.org", "b"), CANT_CREATE_MESSAGE);
    EXPECT_EQ(session.Send(nullptr, "s", "b"), CANT_CREATE_MESSAGE);
    EXPECT_FALSE(std::filesystem::exists(program + ".stdin"));
}

TEST(MailSession, FailingOrHangingSendmailIsNoRecipients) {
    test::TempDir dir;
    MailSession failing = SessionWith(test::WriteFakeProgram(dir, "failing", "exit 75"), 10s);
    ASSERT_EQ(failing.Init(), MESSAGING_SUCCESS);
    EXPECT_EQ(failing.Send("a@b.org", "s", "b"), NO_RECIPIENTS);

    MailSession hanging =
        SessionWith(test::WriteFakeProgram(dir, "hanging", "exec sleep 30"), 300ms);
    ASSERT_EQ(hanging.Init(), MESSAGING_SUCCESS);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(hanging.Send("a@b.org", "s", "b"), NO_RECIPIENTS);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);

    // A program that reads nothing and quits makes the write fail, not the caller die.
    const std::string deaf = dir / "deaf";
    test::WriteTextFile(deaf, "#!/bin/sh\nexit 0\n");
    ::chmod(deaf.c_str(), 0755);
    EXPECT_EQ(RunSendmail(deaf, std::string(4 << 20, 'x'), 10s), SendmailResult::InputRefused);
    EXPECT_EQ(RunSendmail(dir / "missing", "x", 1s), SendmailResult::NotStarted);
}

TEST(FindSendmail, PathThenFallbackFoldersExecutableFilesOnly) {
    test::TempDir dir;
    for (const char* sub : {"first", "second", "fallback", "plain", "relative"})
        std::filesystem::create_directory(dir / sub);
    test::WriteFakeProgram(dir, "second/sendmail");
    test::WriteFakeProgram(dir, "fallback/sendmail");
    test::WriteTextFile(dir / "plain/sendmail", "not executable");
    std::filesystem::create_directory(dir / "first/sendmail");  // a folder is no program
    const std::string fallback = dir / "fallback";
    const char* const fallbacks[] = {fallback.c_str()};
    const std::string path = dir / "plain" + ":" + dir / "first" + "::relative:" + dir / "second";
    EXPECT_EQ(FindSendmail(path, fallbacks), dir / "second/sendmail");
    EXPECT_EQ(FindSendmail(dir / "plain", fallbacks), dir / "fallback/sendmail");
    // Relative entries would make the current folder decide which program runs.
    test::WriteFakeProgram(dir, "relative/sendmail");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(FindSendmail("relative:", {}), std::nullopt);
    std::filesystem::current_path(old);
}

}  // namespace
}  // namespace grafyon::messaging
