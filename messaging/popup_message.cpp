// The popup datagram and its UDP send.
#include "popup_message.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace grafyon::messaging {

namespace {

class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

struct AddressListDeleter {
    void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};

EMessagingRet SendTo(int family, const sockaddr* address, socklen_t length,
                     std::string_view datagram, bool broadcast) {
    const Socket socket(::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (socket.Fd() < 0)
        return CANT_OPEN_MESSANGER_MAILSLOT;
    const int on = 1;
    if (broadcast && ::setsockopt(socket.Fd(), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
        return CANT_OPEN_MESSANGER_MAILSLOT;
    const ssize_t sent =
        ::sendto(socket.Fd(), datagram.data(), datagram.size(), MSG_NOSIGNAL, address, length);
    return sent == static_cast<ssize_t>(datagram.size()) ? MESSAGING_SUCCESS
                                                         : CANT_WRITE_TO_MESSANGER;
}

}  // namespace

std::string BuildPopupDatagram(std::string_view sender, std::string_view receiver,
                               std::string_view text) {
    std::string datagram;
    datagram.reserve(sender.size() + receiver.size() + text.size() + 3);
    for (const std::string_view part : {sender, receiver, text}) {
        datagram += part;
        datagram += '\0';
    }
    return datagram;
}

EMessagingRet SendPopupDatagram(const std::string& receiver, std::string_view datagram,
                                std::uint16_t port) {
    if (receiver == "*") {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        return SendTo(AF_INET, reinterpret_cast<const sockaddr*>(&address), sizeof address,
                      datagram, true);
    }
    if (receiver.empty())
        return CANT_OPEN_MESSANGER_MAILSLOT;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (::getaddrinfo(receiver.c_str(), service.c_str(), &hints, &found) != 0 || found == nullptr)
        return CANT_OPEN_MESSANGER_MAILSLOT;
    const std::unique_ptr<addrinfo, AddressListDeleter> list(found);
    return SendTo(found->ai_family, found->ai_addr, found->ai_addrlen, datagram, false);
}

}  // namespace grafyon::messaging
