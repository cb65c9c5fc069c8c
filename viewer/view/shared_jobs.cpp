// Batches shared between the caller and one helper thread.
#include "shared_jobs.h"

#include <system_error>

namespace grafyon {

SharedJobs::~SharedJobs() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_helper.joinable())
        m_helper.join();
}

std::size_t SharedJobs::Run(const std::vector<std::function<void()>>& jobs) {
    if (jobs.empty())
        return 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_started && jobs.size() > 1) {
        m_started = true;
        try {
            m_helper = std::thread([this] { Help(); });
        } catch (const std::system_error&) {
            // No thread: the caller does it all.
        }
    }
    m_jobs = &jobs;
    m_next = 0;
    m_finished = 0;
    m_byHelper = 0;
    lock.unlock();
    m_wake.notify_one();
    lock.lock();
    while (m_next < jobs.size()) {
        const std::size_t i = m_next++;
        lock.unlock();
        jobs[i]();
        lock.lock();
        ++m_finished;
    }
    m_done.wait(lock, [&] { return m_finished == jobs.size(); });
    m_jobs = nullptr;
    return m_byHelper;
}

void SharedJobs::Help() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stop || (m_jobs && m_next < m_jobs->size()); });
        if (m_stop)
            return;
        const std::function<void()>& job = (*m_jobs)[m_next++];
        ++m_byHelper;
        lock.unlock();
        job();
        lock.lock();
        ++m_finished;
        m_done.notify_all();
    }
}

}  // namespace grafyon
