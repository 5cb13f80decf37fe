// A few threads that share the loops of one screen's heavy work (the pattern screen's profile and pixel
// rows) with the thread that runs the screen. They live as long as the screen that owns the pool: made
// when it opens, ended and joined when it is left or rebuilt. Between two jobs they sleep.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
public:
    // `workers` threads besides the caller's (fewer where the system cannot start them all); 0 runs every
    // job on the caller's thread alone.
    explicit WorkerPool(int workers);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The workers for this computer: one fewer than its processors (the caller is the other one).
    static int WorkersForThisComputer();

    // Runs task(i) for i = 0 .. count - 1 on the workers and the calling thread, each index once, and
    // returns when all of them are done. A task that throws is caught where it runs; the other tasks still
    // run, and Run throws the first exception once the job is over.
    void Run(int count, const std::function<void(int)>& task);

    int workers() const { return static_cast<int>(threads_.size()); }

    // The worker threads that were started and have not ended yet, of all pools.
    static int LiveWorkers();

private:
    void Work();
    // Takes and runs tasks of the current job until none is left; returns how many it ran.
    int Drain(std::unique_lock<std::mutex>& lock);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    const std::function<void(int)>* task_ = nullptr;
    std::exception_ptr thrown_;  // the job's first exception, under the lock
    int count_ = 0, next_ = 0;
    std::atomic<int> unfinished_{0};  // watched without the lock by a caller waiting for the last task
    std::atomic<unsigned> job_{0};    // watched without the lock by idle workers
    std::atomic<bool> stopping_{false};
};
