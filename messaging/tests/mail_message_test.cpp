// The mail handed to sendmail: headers, refused header injection, encodings.
#include <gtest/gtest.h>

#include "messaging/mail_message.h"

namespace grafyon::messaging {
namespace {

std::string DecodeBase64(std::string_view text) {
    static const std::string ALPHABET =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (const char c : text) {
        if (c == '=')
            break;
        bits = bits << 6 | static_cast<unsigned>(ALPHABET.find(c));
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>(bits >> count & 0xFF);
        }
    }
    return out;
}

// The UTF-8 text of a header folded into encoded words; each word must hold whole
// characters, so each decodes to valid UTF-8 on its own.
std::string DecodeEncodedWords(const std::string& value, bool& wordsWhole) {
    std::string text;
    wordsWhole = true;
    std::size_t at = 0;
    while ((at = value.find("=?UTF-8?B?", at)) != std::string::npos) {
        const std::size_t end = value.find("?=", at + 10);
        const std::string word = DecodeBase64(value.substr(at + 10, end - at - 10));
        if (!word.empty() && (static_cast<unsigned char>(word.front()) & 0xC0) == 0x80)
            wordsWhole = false;
        text += word;
        at = end + 2;
    }
    return text;
}

TEST(MailMessage, HeadersBodyAndPlainSubject) {
    const auto message = BuildMailMessage("support@example.org", "Grafy - Automatic Program Report",
                                          "line 1\r\nline 2\n", 86400 * 365);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message,
              "To: support@example.org\n"
              "Subject: Grafy - Automatic Program Report\n"
              "Date: Fri, 01 Jan 1971 00:00:00 +0000\n"
              "MIME-Version: 1.0\n"
              "Content-Type: text/plain; charset=UTF-8\n"
              "Content-Transfer-Encoding: 8bit\n"
              "\n"
              "line 1\nline 2\n");
}

TEST(MailMessage, ControlCharactersInReceiverOrSubjectAreRefused) {
    for (const char* receiver :
         {"a@b.org\nBcc: victim@c.org", "a@b.org\r", "a@b.org\tx", "a@b\x7F.org", ""})
        EXPECT_FALSE(BuildMailMessage(receiver, "s", "b", 0)) << receiver;
    for (const char* subject : {"Report\nBcc: victim@c.org", "Report\r\n\r\nforged body", "\x01"})
        EXPECT_FALSE(BuildMailMessage("a@b.org", subject, "b", 0)) << subject;
    // Line breaks in the body are ordinary text.
    EXPECT_TRUE(BuildMailMessage("a@b.org", "s", "To: x@y.org\n\n", 0));
}

TEST(MailMessage, NonAsciiSubjectBecomesEncodedWordsOfWholeCharacters) {
    std::string subject = "Prüfstand Über-Größe ";
    for (int i = 0; i < 6; ++i)
        subject += "äöüß€";
    const std::string encoded = EncodeHeaderText(subject);
    EXPECT_EQ(encoded.find_first_of("äöüß"), std::string::npos);
    bool wordsWhole = false;
    EXPECT_EQ(DecodeEncodedWords(encoded, wordsWhole), subject);
    EXPECT_TRUE(wordsWhole);
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at <= encoded.size(); ++at) {
        if (at == encoded.size() || encoded[at] == '\n') {
            EXPECT_LE(at - lineStart, 78u - 9u);  // fits after "Subject: "
            lineStart = at + 1;
        }
    }
    // Text that looks like an encoded word is encoded too, so it reads back unchanged.
    EXPECT_NE(EncodeHeaderText("=?x?="), "=?x?=");
    EXPECT_EQ(EncodeHeaderText("Plain text"), "Plain text");
}

TEST(MailMessage, BodyWithLongLinesOrStrayCrIsQuotedPrintable) {
    const std::string longLine(999, 'x');
    const auto message = BuildMailMessage("a@b.org", "s", longLine + "\n=done\n", 0);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("Content-Transfer-Encoding: quoted-printable"), std::string::npos);
    const std::string body = message->substr(message->find("\n\n") + 2);
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at < body.size(); ++at) {
        if (body[at] == '\n') {
            EXPECT_LE(at - lineStart, 76u);
            lineStart = at + 1;
        }
    }
    EXPECT_NE(body.find("=3Ddone"), std::string::npos);
    // 998 characters on a line are still allowed as they are.
    const auto exact = BuildMailMessage("a@b.org", "s", std::string(998, 'y'), 0);
    EXPECT_NE(exact->find("8bit"), std::string::npos);
    EXPECT_NE(BuildMailMessage("a@b.org", "s", "a\rb", 0)->find("a=0Db"), std::string::npos);
    EXPECT_EQ(EncodeQuotedPrintable("end \nÄ"), "end=20\n=C3=84");
}

}  // namespace
}  // namespace grafyon::messaging
