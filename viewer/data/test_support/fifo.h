// FIFOs for the tests of code that must refuse non-regular files without waiting in open.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>

namespace grafyon::test {

inline bool MakeFifo(const std::string& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

// Runs f, which must not wait for a writer of fifo. When it has not returned after a few
// seconds the test fails, and a writer comes and goes so that the waiting open returns.
template <class F>
auto WithoutWaitingFor(const std::string& fifo, F f) -> decltype(f()) {
    auto result = std::async(std::launch::async, std::move(f));
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "waited in open for a writer of " << fifo;
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0)
            ::close(writer);
    }
    return result.get();
}

}  // namespace grafyon::test
