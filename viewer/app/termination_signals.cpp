// Self-pipe from the signal handler to the event loop.
#include "termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace grafyon {

namespace {

constexpr int SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};

// Written only by the handler; the one thing a signal handler may safely touch.
volatile std::sig_atomic_t g_writeFd = -1;

void OnSignal(int signalNumber) {
    const int fd = g_writeFd;
    if (fd < 0)
        return;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(fd, &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (g_writeFd >= 0)
        return;
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_writeFd = m_pipe[1];
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [fd = m_pipe[0]] {
        unsigned char buffer[16];
        while (::read(fd, buffer, sizeof buffer) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : SIGNALS)
        ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (m_notifier == nullptr)
        return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : SIGNALS)
        ::sigaction(signalNumber, &action, nullptr);
    g_writeFd = -1;
    m_notifier.reset();
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

}  // namespace grafyon
