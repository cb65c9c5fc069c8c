// Ends the event loop cleanly on SIGTERM, SIGINT and SIGHUP, so the exit handler still runs.
#pragma once

#include <memory>

class QSocketNotifier;

namespace grafyon {

// While an object lives, the three signals ask the application to quit instead of
// killing the process; a hidden window ("Hide") can thus still be ended. One at a time.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    bool IsInstalled() const { return m_notifier != nullptr; }

private:
    int m_pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace grafyon
