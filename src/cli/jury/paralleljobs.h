#pragma once

#include <functional>

// Runs jobs 0 … count−1 on `workers` threads, each job taken by the first thread that is
// free. `progress` is called on the calling thread with the number of finished jobs,
// after each one (and not at all when it is empty). Returns when every job is done.
void runParallelJobs(int count, int workers, const std::function<void(int job)> &job,
                     const std::function<void(int finished)> &progress = {});
