// Popup messages: one UDP datagram with sender, receiver and text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "messaging/ko_messaging.h"

namespace grafyon::messaging {

// sender, receiver and text, each followed by one zero byte.
std::string BuildPopupDatagram(std::string_view sender, std::string_view receiver,
                               std::string_view text);

// Sends datagram in one piece to receiver's host on port; receiver "*" is the local
// network's broadcast address. 10 when the name does not resolve or no socket opens,
// 11 when the send fails or is short.
EMessagingRet SendPopupDatagram(const std::string& receiver, std::string_view datagram,
                                std::uint16_t port);

}  // namespace grafyon::messaging
