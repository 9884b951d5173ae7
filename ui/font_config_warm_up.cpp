#include "font_config_warm_up.h"

#include <chrono>
#include <condition_variable>
#include <fontconfig/fontconfig.h>
#include <mutex>
#include <pthread.h>
#include <sched.h>
#include <system_error>

namespace kantrix {

namespace {

// Far longer than the reading takes on a machine with any processor time to spare.
constexpr std::chrono::milliseconds longestWait{100};

} // namespace

struct FontConfigWarmUp::Progress
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

FontConfigWarmUp::FontConfigWarmUp() : m_progress(std::make_shared<Progress>())
{
    try {
        m_reader = std::thread([progress = m_progress] {
            const sched_param unused{};
            pthread_setschedparam(pthread_self(), SCHED_IDLE, &unused);
            FcInit();
            const std::lock_guard lock(progress->mutex);
            progress->done = true;
            progress->finished.notify_all();
        });
    } catch (const std::system_error&) {
        // Without a thread to spare, Qt reads the configuration itself when it first needs it.
    }
}

void FontConfigWarmUp::finish()
{
    if (!m_reader.joinable())
        return;
    std::unique_lock lock(m_progress->mutex);
    if (!m_progress->done) {
        // Leaving the idle class takes a nice limit that not every user has; without it, the
        // reader gets the processor time that this thread gives up by waiting.
        const sched_param unused{};
        pthread_setschedparam(m_reader.native_handle(), SCHED_OTHER, &unused);
        m_progress->finished.wait_for(lock, longestWait, [this] { return m_progress->done; });
    }
    const bool done = m_progress->done;
    lock.unlock();
    // Two readers that both find no configuration each read all of it; fontconfig keeps the first
    // to finish, so a reader let go is harmless.
    if (done)
        m_reader.join();
    else
        m_reader.detach();
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    finish();
}

} // namespace kantrix
