// Exported functions of the messaging library: mail through the system's sendmail
// interface and popup messages as UDP datagrams.
#pragma once

#include <string>

#include "common/export.h"

// Result codes of every messaging function. The names are the ones the about box prints;
// the codes 3 to 6 belong to mail systems this library does not use and never occur.
enum EMessagingRet : int {
    MESSAGING_SUCCESS = 0,
    MAPI_ALLREADY_INIT = 1,
    MAPI32DLL_NOT_FOUND = 2,  // no sendmail program
    UNABLE_TO_INIT_COM = 3,
    NOT_ENOUGH_MEMORY = 4,
    MAPI_PROFILE_DOESNT_EXIST = 5,
    UNABLE_TO_LOGON = 6,
    MAPI_NOT_INIT = 7,
    CANT_CREATE_MESSAGE = 8,  // also a receiver or subject with control characters
    NO_RECIPIENTS = 9,        // sendmail failed, exited non-zero or timed out
    CANT_OPEN_MESSANGER_MAILSLOT = 10,
    CANT_WRITE_TO_MESSANGER = 11
};

// The name of a code as messages show it; "UKNOWN_ERROR" for any other number.
inline const char* EMessagingRetName(int code) {
    static constexpr const char* NAMES[] = {"MAPI_ALLREADY_INIT",
                                            "MAPI32DLL_NOT_FOUND",
                                            "UNABLE_TO_INIT_COM",
                                            "NOT_ENOUGH_MEMORY",
                                            "MAPI_PROFILE_DOESNT_EXIST",
                                            "UNABLE_TO_LOGON",
                                            "MAPI_NOT_INIT",
                                            "CANT_CREATE_MESSAGE",
                                            "NO_RECIPIENTS",
                                            "CANT_OPEN_MESSANGER_MAILSLOT",
                                            "CANT_WRITE_TO_MESSANGER"};
    if (code < MAPI_ALLREADY_INIT || code > CANT_WRITE_TO_MESSANGER)
        return "UKNOWN_ERROR";
    return NAMES[code - 1];
}

// Mail, in this order: KoMsgInitMapi, any number of KoMsgSendMapiMail, KoMsgExitMapi
// (also after a failed init, which keeps its session until then). Calls come from one
// thread only.

// Finds sendmail on PATH, then in /usr/sbin and /usr/lib. 1 while a session exists,
// 2 when no sendmail program is found (the session then exists but cannot send).
GRAFYON_EXPORT EMessagingRet KoMsgInitMapi();
// Hands the message to "sendmail -t -oi": the receiver only in the To header, the subject
// encoded for non-ASCII text, the body as UTF-8. 7 without a successful init, 8 for a
// missing or empty receiver and for control characters in receiver or subject, 9 when
// sendmail fails, exits non-zero or takes longer than KOMSG_MAIL_TIMEOUT_MS.
GRAFYON_EXPORT EMessagingRet KoMsgSendMapiMail(const char* receiver, const char* subject,
                                               const char* body);
GRAFYON_EXPORT void KoMsgExitMapi();

// The datagram sender, receiver and text, each followed by a zero byte, sent by UDP to
// the receiver host ("*" broadcasts) on the family's popup port. 10 when the receiver
// does not resolve or no socket can be made, 11 for a failed or short send.
GRAFYON_EXPORT EMessagingRet KoMsgSendPopUpMessage(const char* sender, const char* receiver,
                                                   const char* text);

// Name "KoMessaging DLL" and the version of the library's own file.
GRAFYON_EXPORT void KoMsgVersion(std::string& name, int& major, int& minor, int& build,
                                 std::string& date);

// How long sendmail may take to accept a message.
inline constexpr int KOMSG_MAIL_TIMEOUT_MS = 30000;

// Where the popup port is kept: family settings (user scope first, then the machine's),
// section "Messaging", value "PopupPort"; without a valid value the default port.
inline constexpr char KOMSG_SETTINGS_SECTION[] = "Messaging";
inline constexpr char KOMSG_POPUP_PORT_VALUE[] = "PopupPort";
inline constexpr int KOMSG_DEFAULT_POPUP_PORT = 10138;
