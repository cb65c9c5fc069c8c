// The mail session of the messaging library: the order init, send, exit and its codes.
#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "messaging/ko_messaging.h"

namespace grafyon::messaging {

class MailSession {
public:
    // locate finds the sendmail program (std::nullopt when there is none); now gives the
    // time for the Date header.
    MailSession(
        std::function<std::optional<std::string>()> locate, std::chrono::milliseconds timeout,
        std::function<std::time_t()> now = [] { return std::time(nullptr); });

    // 1 while a session exists. Otherwise a session is made, also when no sendmail is
    // found (2), so that a second init before Exit reports 1 as it always did.
    EMessagingRet Init();
    EMessagingRet Send(const char* receiver, const char* subject, const char* body);
    void Exit();

    bool Exists() const { return m_exists; }
    bool LoggedOn() const { return m_sendmail.has_value(); }

private:
    std::function<std::optional<std::string>()> m_locate;
    std::chrono::milliseconds m_timeout;
    std::function<std::time_t()> m_now;
    bool m_exists = false;
    std::optional<std::string> m_sendmail;  // set while logged on
};

}  // namespace grafyon::messaging
