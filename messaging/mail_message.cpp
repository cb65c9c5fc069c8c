// Headers and body of a mail as sendmail reads them.
#include "mail_message.h"

#include <array>

namespace grafyon::messaging {

namespace {

// RFC 5322 allows 998 characters per line; beyond that the body must be encoded.
constexpr std::size_t MAX_MAIL_LINE = 998;
// Input bytes per encoded word: 42 bytes become 56 base64 characters, so a word with
// its "=?UTF-8?B?" and "?=" stays within a 78-character line even after "Subject: ".
constexpr std::size_t ENCODED_WORD_BYTES = 42;

constexpr char BASE64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char HEX[] = "0123456789ABCDEF";

std::string Base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += BASE64[v >> 18 & 63];
        out += BASE64[v >> 12 & 63];
        out += BASE64[v >> 6 & 63];
        out += BASE64[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2)
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += BASE64[v >> 18 & 63];
        out += BASE64[v >> 12 & 63];
        out += rest == 2 ? BASE64[v >> 6 & 63] : '=';
        out += '=';
    }
    return out;
}

bool IsPlainHeaderText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E)
            return false;
    }
    // "=?" could be taken for the start of an encoded word.
    return text.find("=?") == std::string_view::npos && text.size() <= MAX_MAIL_LINE - 10;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Whether the body can go as it is: no zero byte, no CR, no over-long line.
bool IsSafe8Bit(std::string_view body) {
    std::size_t lineLength = 0;
    for (const char c : body) {
        if (c == '\0' || c == '\r')
            return false;
        if (c == '\n') {
            lineLength = 0;
        } else if (++lineLength > MAX_MAIL_LINE) {
            return false;
        }
    }
    return true;
}

std::string WithoutCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

}  // namespace

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

std::string EncodeHeaderText(std::string_view text) {
    if (IsPlainHeaderText(text))
        return std::string(text);
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.size(), start + ENCODED_WORD_BYTES);
        // Back up to the first byte of a character so that no word splits one.
        while (end < text.size() && end > start + 1 && IsUtf8Continuation(text[end]))
            --end;
        if (!out.empty())
            out += "\n ";
        out += "=?UTF-8?B?" + Base64(text.substr(start, end - start)) + "?=";
        start = end;
    }
    return out;
}

std::string EncodeQuotedPrintable(std::string_view text) {
    std::string out;
    std::size_t column = 0;
    auto put = [&](std::string_view piece) {
        // A soft line break keeps every line at 76 characters or fewer.
        if (column + piece.size() > 75) {
            out += "=\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lineEnd = i + 1 == text.size() || text[i + 1] == '\n';
        if (byte == '\n') {
            out += '\n';
            column = 0;
        } else if ((byte == ' ' || byte == '\t') && !lineEnd) {
            put(std::string_view(&text[i], 1));
        } else if (byte >= 33 && byte <= 126 && byte != '=') {
            put(std::string_view(&text[i], 1));
        } else {
            const std::array<char, 3> escaped = {'=', HEX[byte >> 4], HEX[byte & 15]};
            put(std::string_view(escaped.data(), escaped.size()));
        }
    }
    return out;
}

std::string MailDate(std::time_t time) {
    static constexpr const char* DAYS[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* MONTHS[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm utc{};
    gmtime_r(&time, &utc);
    auto two = [](int value) {
        return std::string{static_cast<char>('0' + value / 10),
                           static_cast<char>('0' + value % 10)};
    };
    return std::string(DAYS[utc.tm_wday]) + ", " + two(utc.tm_mday) + " " + MONTHS[utc.tm_mon] +
           " " + std::to_string(utc.tm_year + 1900) + " " + two(utc.tm_hour) + ":" +
           two(utc.tm_min) + ":" + two(utc.tm_sec) + " +0000";
}

std::optional<std::string> BuildMailMessage(std::string_view receiver, std::string_view subject,
                                            std::string_view body, std::time_t date) {
    if (receiver.empty() || HasControlCharacter(receiver) || HasControlCharacter(subject))
        return std::nullopt;
    const std::string text = WithoutCrLf(body);
    const bool plain = IsSafe8Bit(text);
    std::string message;
    message.reserve(text.size() + 256);
    message += "To: " + std::string(receiver) + "\n";
    message += "Subject: " + EncodeHeaderText(subject) + "\n";
    message += "Date: " + MailDate(date) + "\n";
    message += "MIME-Version: 1.0\n";
    message += "Content-Type: text/plain; charset=UTF-8\n";
    message += plain ? "Content-Transfer-Encoding: 8bit\n"
                     : "Content-Transfer-Encoding: quoted-printable\n";
    message += "\n";
    message += plain ? text : EncodeQuotedPrintable(text);
    if (message.back() != '\n')
        message += '\n';
    return message;
}

}  // namespace grafyon::messaging
