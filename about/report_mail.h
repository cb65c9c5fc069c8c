// Mailing the program report through the messaging library.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "messaging/ko_messaging.h"

namespace grafyon::about {

// The messaging library's mail calls, handed in so the flow runs without the library.
struct MailFunctions {
    EMessagingRet (*init)() = nullptr;
    EMessagingRet (*send)(const char* receiver, const char* subject, const char* body) = nullptr;
    void (*exit)() = nullptr;
};

// program + " - Automatic Program Report".
std::string ReportMailSubject(std::string_view program);

// "\n\n" + subject + "\n\nDate: " + now as "%d.%m.%Y - %H:%M" (local time) + "\n\n" + report.
std::string ReportMailBody(std::string_view subject, std::time_t now, std::string_view report);

// Init, send to the receiver field (trailing blanks removed) with the report file's text,
// and always exit, also after a failed init so that the next attempt starts afresh.
// Returns the message to show: empty when the mail went out.
std::string MailProgramReport(const MailFunctions& mail, std::string_view receiverField,
                              std::string_view program, const std::string& reportPath,
                              std::time_t now);

}  // namespace grafyon::about
