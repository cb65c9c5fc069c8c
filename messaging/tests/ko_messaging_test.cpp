// The messaging library's exported functions: sendmail found on PATH, the popup port
// from the family settings, the names of the codes.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "fake_program.h"
#include "messaging/ko_messaging.h"

namespace {

using namespace grafyon;

TEST(KoMessaging, CodeNames) {
    EXPECT_STREQ(EMessagingRetName(1), "MAPI_ALLREADY_INIT");
    EXPECT_STREQ(EMessagingRetName(11), "CANT_WRITE_TO_MESSANGER");
    EXPECT_STREQ(EMessagingRetName(0), "UKNOWN_ERROR");
    EXPECT_STREQ(EMessagingRetName(12), "UKNOWN_ERROR");
}

TEST(KoMessaging, MailThroughTheSendmailFirstOnPath) {
    test::TempDir dir;
    const std::string program = test::WriteFakeProgram(dir, "sendmail");
    test::ScopedEnv path("PATH", dir.Path().string() + ":/usr/bin:/bin");
    EXPECT_EQ(KoMsgSendMapiMail("a@b.org", "s", "b"), MAPI_NOT_INIT);
    ASSERT_EQ(KoMsgInitMapi(), MESSAGING_SUCCESS);
    EXPECT_EQ(KoMsgInitMapi(), MAPI_ALLREADY_INIT);
    EXPECT_EQ(KoMsgSendMapiMail("a@b.org", "Grafy - Automatic Program Report", "Text\n"),
              MESSAGING_SUCCESS);
    EXPECT_EQ(KoMsgSendMapiMail("a@b.org\nCc: c@d.org", "s", "b"), CANT_CREATE_MESSAGE);
    KoMsgExitMapi();
    EXPECT_EQ(test::ReadTextFile(program + ".args"), "-t\n-oi\n");
    const std::string input = test::ReadTextFile(program + ".stdin");
    EXPECT_TRUE(input.starts_with("To: a@b.org\nSubject: Grafy - Automatic Program Report\n"));
    EXPECT_EQ(input.find("c@d.org"), std::string::npos);
    EXPECT_EQ(KoMsgSendMapiMail("a@b.org", "s", "b"), MAPI_NOT_INIT);
}

TEST(KoMessaging, PopupGoesToThePortOfTheFamilySettings) {
    test::ScopedConfigDirs config;
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    std::filesystem::create_directories(config.UserDir() + "/Vantorelline");
    test::WriteTextFile(config.UserDir() + "/Vantorelline/Vantorelline.ini",
                        "[messaging]\npopupport=" + std::to_string(ntohs(address.sin_port)) + "\n");
    EXPECT_EQ(KoMsgSendPopUpMessage("A", "127.0.0.1", "C"), MESSAGING_SUCCESS);
    pollfd entry{fd, POLLIN, 0};
    ASSERT_EQ(::poll(&entry, 1, 1000), 1);
    char buffer[64];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    EXPECT_EQ(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0),
              std::string("A\0"
                          "127.0.0.1\0C\0",
                          14));
    ::close(fd);
    EXPECT_EQ(KoMsgSendPopUpMessage("A", nullptr, "C"), CANT_OPEN_MESSANGER_MAILSLOT);
}

}  // namespace
