// The popup datagram, received by a UDP socket of the test on the loopback address.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "messaging/popup_message.h"

namespace grafyon::messaging {
namespace {

// A UDP socket on 127.0.0.1 with a port of the system's choice.
class LoopbackReceiver {
public:
    LoopbackReceiver() : m_fd(::socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            std::abort();
        m_port = ntohs(address.sin_port);
    }
    ~LoopbackReceiver() { ::close(m_fd); }
    LoopbackReceiver(const LoopbackReceiver&) = delete;
    LoopbackReceiver& operator=(const LoopbackReceiver&) = delete;

    std::uint16_t Port() const { return m_port; }
    // The next datagram, or "(none)" after a second.
    std::string Receive() const {
        pollfd entry{m_fd, POLLIN, 0};
        if (::poll(&entry, 1, 1000) != 1)
            return "(none)";
        char buffer[70000];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        return n < 0 ? "(error)" : std::string(buffer, static_cast<std::size_t>(n));
    }

private:
    int m_fd;
    std::uint16_t m_port = 0;
};

TEST(PopupMessage, DatagramIsThreeZeroEndedParts) {
    EXPECT_EQ(BuildPopupDatagram("A", "B", "C"), std::string("A\0B\0C\0", 6));
    EXPECT_EQ(BuildPopupDatagram("", "", ""), std::string(3, '\0'));
}

TEST(PopupMessage, SentToTheNamedReceiverOnly) {
    LoopbackReceiver receiver;
    const std::string datagram = BuildPopupDatagram("me", "127.0.0.1", "Report ready ä");
    EXPECT_EQ(SendPopupDatagram("127.0.0.1", datagram, receiver.Port()), MESSAGING_SUCCESS);
    EXPECT_EQ(receiver.Receive(), datagram);
    EXPECT_EQ(SendPopupDatagram("localhost", datagram, receiver.Port()), MESSAGING_SUCCESS);
}

TEST(PopupMessage, UnknownReceiverAndOversizeDatagram) {
    LoopbackReceiver receiver;
    EXPECT_EQ(SendPopupDatagram("no-such-host.invalid", "x", receiver.Port()),
              CANT_OPEN_MESSANGER_MAILSLOT);
    EXPECT_EQ(SendPopupDatagram("", "x", receiver.Port()), CANT_OPEN_MESSANGER_MAILSLOT);
    EXPECT_EQ(SendPopupDatagram("127.0.0.1", std::string(70000, 'x'), receiver.Port()),
              CANT_WRITE_TO_MESSANGER);
    EXPECT_EQ(receiver.Receive(), "(none)");
}

}  // namespace
}  // namespace grafyon::messaging
