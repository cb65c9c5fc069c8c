// Starts sendmail without a shell and feeds it the message through a pipe.
#include "sendmail.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace grafyon::messaging {

namespace {

using Clock = std::chrono::steady_clock;

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// A write to a pipe whose reader has gone raises SIGPIPE, which would end the host
// program. The signal is blocked for this thread while writing and a SIGPIPE raised by
// the write is taken back before the mask is restored.
class ScopedSigpipeBlock {
public:
    ScopedSigpipeBlock() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~ScopedSigpipeBlock() {
        if (!m_wasPending) {
            const timespec zero{};
            while (sigtimedwait(&m_pipe, nullptr, &zero) == SIGPIPE) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    ScopedSigpipeBlock(const ScopedSigpipeBlock&) = delete;
    ScopedSigpipeBlock& operator=(const ScopedSigpipeBlock&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_old;
    bool m_wasPending = false;
};

// Writes all of message before the deadline; false when the reader is gone, an error
// occurs or time runs out (timedOut then set).
bool WriteAll(int fd, std::string_view message, Clock::time_point deadline, bool& timedOut) {
    ScopedSigpipeBlock block;
    std::size_t written = 0;
    while (written < message.size()) {
        pollfd entry{fd, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            timedOut = true;
            return false;
        }
        if (ready < 0)
            return false;
        const ssize_t n = ::write(fd, message.data() + written, message.size() - written);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Waits for the child until the deadline; kills and reaps it when time runs out.
// The exit status, or std::nullopt after a timeout.
std::optional<int> WaitForChild(pid_t pid, Clock::time_point deadline) {
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return status;
        if (done < 0 && errno != EINTR)
            return -1;
        if (Clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawnattr_init(&m_attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // The child reads inputFd as its standard input, writes its output to /dev/null and
    // starts with no blocked signals and SIGPIPE at its default.
    bool Prepare(int inputFd) {
        sigset_t none;
        sigemptyset(&none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        return posix_spawn_file_actions_adddup2(&m_actions, inputFd, STDIN_FILENO) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDOUT_FILENO, "/dev/null", O_WRONLY,
                                                0) == 0 &&
               posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &defaults) == 0 &&
               posix_spawnattr_setflags(&m_attributes,
                                        POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
    }
    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attributes; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

}  // namespace

std::optional<std::string> FindSendmail(std::string_view pathVariable,
                                        std::span<const char* const> fallbackDirs) {
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        const std::size_t end = std::min(pathVariable.find(':', start), pathVariable.size());
        const std::string_view dir = pathVariable.substr(start, end - start);
        if (dir.starts_with('/')) {
            const std::string candidate = std::string(dir) + "/sendmail";
            if (IsExecutableFile(candidate))
                return candidate;
        }
        start = end + 1;
    }
    for (const char* dir : fallbackDirs) {
        const std::string candidate = std::string(dir) + "/sendmail";
        if (IsExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

SendmailResult RunSendmail(const std::string& program, std::string_view message,
                           std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return SendmailResult::NotStarted;
    SpawnSetup setup;
    std::string arg0 = program, arg1 = "-t", arg2 = "-oi";
    char* const argv[] = {arg0.data(), arg1.data(), arg2.data(), nullptr};
    pid_t pid = -1;
    const bool started =
        setup.Prepare(fds[0]) && ::posix_spawn(&pid, program.c_str(), setup.Actions(),
                                               setup.Attributes(), argv, environ) == 0;
    ::close(fds[0]);
    if (!started) {
        ::close(fds[1]);
        return SendmailResult::NotStarted;
    }
    ::fcntl(fds[1], F_SETFL, ::fcntl(fds[1], F_GETFL) | O_NONBLOCK);
    bool timedOut = false;
    const bool written = WriteAll(fds[1], message, deadline, timedOut);
    ::close(fds[1]);
    if (!written) {
        // Whatever the reason, the child must not outlive the call as a zombie.
        WaitForChild(pid, timedOut ? Clock::now() : deadline);
        return timedOut ? SendmailResult::TimedOut : SendmailResult::InputRefused;
    }
    const std::optional<int> status = WaitForChild(pid, deadline);
    if (!status)
        return SendmailResult::TimedOut;
    return WIFEXITED(*status) && WEXITSTATUS(*status) == 0 ? SendmailResult::Accepted
                                                           : SendmailResult::Failed;
}

}  // namespace grafyon::messaging
