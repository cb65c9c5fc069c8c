// The text that goes to sendmail's standard input: headers and body of one mail.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace grafyon::messaging {

// True when text holds a control character (below 0x20, or 0x7F), which in a header
// would start a new header or a new line.
bool HasControlCharacter(std::string_view text);

// "Subject" value: the text itself when it is plain printable ASCII, otherwise RFC 2047
// encoded words (UTF-8, base64) that never split a character, folded onto new lines.
std::string EncodeHeaderText(std::string_view text);

// Quoted-printable form of text (lines of at most 76 characters, soft line breaks).
std::string EncodeQuotedPrintable(std::string_view text);

// "Thu, 01 Feb 2024 13:05:09 +0000" for a time in UTC, independent of the locale.
std::string MailDate(std::time_t time);

// The whole message with MIME headers, lines ended by "\n" as sendmail reads them.
// std::nullopt when the receiver is empty or receiver or subject hold a control character.
// The body is sent as 8-bit UTF-8 unless it holds a line too long for mail, a stray CR or
// a zero byte; it is then quoted-printable.
std::optional<std::string> BuildMailMessage(std::string_view receiver, std::string_view subject,
                                            std::string_view body, std::time_t date);

}  // namespace grafyon::messaging
