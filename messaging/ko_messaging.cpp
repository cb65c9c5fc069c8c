// Exported functions of the messaging library over its process-wide mail session.
#include "ko_messaging.h"

#include <cstdlib>
#include <exception>

#include "common/settings_file.h"
#include "mail_session.h"
#include "popup_message.h"
#include "sendmail.h"

namespace {

using grafyon::messaging::MailSession;

MailSession& Session() {
    static MailSession session(
        [] {
            const char* path = std::getenv("PATH");
            return grafyon::messaging::FindSendmail(path ? path : "",
                                                    grafyon::messaging::SENDMAIL_FALLBACK_DIRS);
        },
        std::chrono::milliseconds(KOMSG_MAIL_TIMEOUT_MS));
    return session;
}

std::uint16_t PopupPort() {
    for (const auto scope : {grafyon::SettingsScope::User, grafyon::SettingsScope::Machine}) {
        const grafyon::SettingsFile family(scope, "Vantorelline");
        const std::optional<std::int64_t> port =
            family.ReadInt(KOMSG_SETTINGS_SECTION, KOMSG_POPUP_PORT_VALUE);
        if (port && *port > 0 && *port <= 65535)
            return static_cast<std::uint16_t>(*port);
    }
    return KOMSG_DEFAULT_POPUP_PORT;
}

}  // namespace

EMessagingRet KoMsgInitMapi() {
    return Session().Init();
}

EMessagingRet KoMsgSendMapiMail(const char* receiver, const char* subject, const char* body) {
    try {
        return Session().Send(receiver, subject, body);
    } catch (const std::exception&) {
        return CANT_CREATE_MESSAGE;  // out of memory while building the message
    }
}

void KoMsgExitMapi() {
    Session().Exit();
}

EMessagingRet KoMsgSendPopUpMessage(const char* sender, const char* receiver, const char* text) {
    if (receiver == nullptr)
        return CANT_OPEN_MESSANGER_MAILSLOT;
    try {
        const std::string datagram = grafyon::messaging::BuildPopupDatagram(
            sender ? sender : "", receiver, text ? text : "");
        return grafyon::messaging::SendPopupDatagram(receiver, datagram, PopupPort());
    } catch (const std::exception&) {
        return CANT_WRITE_TO_MESSANGER;
    }
}
