// Init, send and exit of the mail session over the sendmail interface.
#include "mail_session.h"

#include "mail_message.h"
#include "sendmail.h"

namespace grafyon::messaging {

MailSession::MailSession(std::function<std::optional<std::string>()> locate,
                         std::chrono::milliseconds timeout, std::function<std::time_t()> now)
    : m_locate(std::move(locate)), m_timeout(timeout), m_now(std::move(now)) {}

EMessagingRet MailSession::Init() {
    if (m_exists)
        return MAPI_ALLREADY_INIT;
    m_exists = true;
    m_sendmail = m_locate();
    return m_sendmail ? MESSAGING_SUCCESS : MAPI32DLL_NOT_FOUND;
}

EMessagingRet MailSession::Send(const char* receiver, const char* subject, const char* body) {
    if (!m_sendmail)
        return MAPI_NOT_INIT;
    if (receiver == nullptr)
        return CANT_CREATE_MESSAGE;
    const std::optional<std::string> message =
        BuildMailMessage(receiver, subject ? subject : "", body ? body : "", m_now());
    if (!message)
        return CANT_CREATE_MESSAGE;
    return RunSendmail(*m_sendmail, *message, m_timeout) == SendmailResult::Accepted
               ? MESSAGING_SUCCESS
               : NO_RECIPIENTS;
}

void MailSession::Exit() {
    m_exists = false;
    m_sendmail.reset();
}

}  // namespace grafyon::messaging
