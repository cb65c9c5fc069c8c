// The Mail button's flow and its messages.
#include "report_mail.h"

#include "about_strings.h"
#include "report_file.h"

namespace grafyon::about {

namespace {

std::string FailureMessage(int textId, EMessagingRet code) {
    return BriselString(textId) + "\nInternal Error: " + EMessagingRetName(code);
}

}  // namespace

std::string ReportMailSubject(std::string_view program) {
    return std::string(program) + " - Automatic Program Report";
}

std::string ReportMailBody(std::string_view subject, std::time_t now, std::string_view report) {
    std::tm local{};
    localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%d.%m.%Y - %H:%M", &local);
    std::string body = "\n\n";
    body += subject;
    body += "\n\nDate: ";
    body += date;
    body += "\n\n";
    body += report;
    return body;
}

std::string MailProgramReport(const MailFunctions& mail, std::string_view receiverField,
                              std::string_view program, const std::string& reportPath,
                              std::time_t now) {
    const EMessagingRet init = mail.init();
    if (init != MESSAGING_SUCCESS) {
        mail.exit();
        return FailureMessage(BRISEL_STR_MAIL_INIT_FAILED, init);
    }
    std::string message;
    const std::size_t last = receiverField.find_last_not_of(" \t");
    const std::string receiver(
        receiverField.substr(0, last == std::string_view::npos ? 0 : last + 1));
    if (receiver.empty()) {
        message = BriselString(BRISEL_STR_MAIL_NO_RECEIVER);
    } else {
        const std::string subject = ReportMailSubject(program);
        const std::string body =
            ReportMailBody(subject, now, ReadReportFile(reportPath).value_or(std::string()));
        const EMessagingRet sent = mail.send(receiver.c_str(), subject.c_str(), body.c_str());
        if (sent != MESSAGING_SUCCESS)
            message = FailureMessage(BRISEL_STR_MAIL_SEND_FAILED, sent);
    }
    mail.exit();
    return message;
}

}  // namespace grafyon::about
