#include "cli/jury/paralleljobs.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

void runParallelJobs(int count, int workers, const std::function<void(int job)> &job,
                     const std::function<void(int finished)> &progress)
{
    if (count <= 0)
        return;
    std::atomic<int> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    int finished = 0;

    auto work = [&] {
        for (int index = next++; index < count; index = next++) {
            job(index);
            {
                const std::lock_guard<std::mutex> lock(mutex);
                ++finished;
            }
            changed.notify_one();
        }
    };

    std::vector<std::thread> threads;
    const int threadCount = std::clamp(workers, 1, count);
    threads.reserve(size_t(threadCount));
    for (int i = 0; i < threadCount; ++i)
        threads.emplace_back(work);

    int reported = 0;
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (reported < count) {
            changed.wait(lock, [&] { return finished > reported; });
            const int now = finished;
            lock.unlock();
            while (reported < now) {
                ++reported;
                if (progress)
                    progress(reported);
            }
            lock.lock();
        }
    }
    for (std::thread &thread : threads)
        thread.join();
}
