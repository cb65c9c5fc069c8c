// A helper thread that shares small batches of jobs with the thread that hands them over.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace grafyon {

// Run() takes the jobs one by one on the calling thread and lets a helper thread take
// them too. A helper that is slow to get a processor (a busy machine) never delays the
// batch: the caller then simply does every job itself. Only jobs already taken by the
// helper are waited for.
class SharedJobs {
public:
    SharedJobs() = default;
    ~SharedJobs();
    SharedJobs(const SharedJobs&) = delete;
    SharedJobs& operator=(const SharedJobs&) = delete;

    // Returns when every job has run; the number the helper ran, for tests.
    std::size_t Run(const std::vector<std::function<void()>>& jobs);

private:
    void Help();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const std::vector<std::function<void()>>* m_jobs = nullptr;
    std::size_t m_next = 0;
    std::size_t m_finished = 0;
    std::size_t m_byHelper = 0;
    bool m_stop = false;
    bool m_started = false;
    std::thread m_helper;
};

}  // namespace grafyon
