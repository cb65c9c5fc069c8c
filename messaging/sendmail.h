// Finding the system's sendmail program and handing it one message.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace grafyon::messaging {

// Folders searched after PATH, where mail transfer agents install their sendmail.
inline constexpr const char* SENDMAIL_FALLBACK_DIRS[] = {"/usr/sbin", "/usr/lib"};

// The first executable regular file "sendmail" in the absolute folders of pathVariable
// (relative entries are skipped: they would depend on the current folder), then in
// fallbackDirs.
std::optional<std::string> FindSendmail(std::string_view pathVariable,
                                        std::span<const char* const> fallbackDirs);

enum class SendmailResult { Accepted, NotStarted, InputRefused, Failed, TimedOut };

// Starts program with "-t -oi" (no shell), writes message to its standard input and waits
// for it to exit. Accepted only for exit status 0 within timeout; after the timeout the
// program is killed. Its standard output is discarded, its standard error inherited.
SendmailResult RunSendmail(const std::string& program, std::string_view message,
                           std::chrono::milliseconds timeout);

}  // namespace grafyon::messaging
