// The pool: one job at a time, its indices handed out under one lock (a job has few, large tasks).
//
// A screen's jobs come in quick pairs (a frame's profile, then its pixel rows) and its frames in quick
// succession while a bar is dragged, so a worker that has run out of tasks, and the caller waiting for the
// last task of a job, first watch for a moment before they sleep: waking a sleeping thread costs a trip
// through the system that is long beside a frame's few milliseconds.
#include "shell/platform/worker_pool.h"

#include <immintrin.h>

#include <algorithm>
#include <chrono>
#include <system_error>
#include <utility>

#include "shell/platform/resource_failures.h"

namespace {

std::atomic<int> live_workers{0};

constexpr std::chrono::microseconds kWatch{200};

// Calls `done` until it is true or the watch is over; whether it became true.
template <typename Done>
bool WatchFor(Done done) {
    const auto end = std::chrono::steady_clock::now() + kWatch;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        _mm_pause();  // a hint to the processor, not a trip through the system
    }
    return true;
}

}  // namespace

WorkerPool::WorkerPool(int workers) {
    // A thread the system cannot start (or the tests refuse) leaves the job to fewer threads: the same
    // work, done in the same parts, gives the same results.
    for (int i = 0; i < workers && !CreationRefused(ResourceKind::kThread); ++i) {
        try {
            threads_.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            break;
        }
    }
    live_workers += static_cast<int>(threads_.size());
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_) t.join();
    live_workers -= static_cast<int>(threads_.size());
}

int WorkerPool::WorkersForThisComputer() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency())) - 1;
}

int WorkerPool::LiveWorkers() {
    return live_workers;
}

int WorkerPool::Drain(std::unique_lock<std::mutex>& lock) {
    int ran = 0;
    while (next_ < count_) {
        const int index = next_++;
        const std::function<void(int)>& task = *task_;
        lock.unlock();
        // A task that throws ends only itself: the job runs to its end, and Run hands the first
        // exception to its caller once no thread uses the task any more.
        std::exception_ptr thrown;
        try {
            task(index);
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        if (thrown && !thrown_) thrown_ = thrown;
        ++ran;
    }
    return ran;
}

void WorkerPool::Work() {
    unsigned seen = job_;
    for (;;) {
        WatchFor([&] { return job_ != seen || stopping_; });
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [&] { return stopping_ || job_ != seen; });
        if (stopping_) return;
        seen = job_;
        unfinished_ -= Drain(lock);
        if (unfinished_ == 0) done_.notify_all();
    }
}

void WorkerPool::Run(int count, const std::function<void(int)>& task) {
    if (count <= 0) return;
    std::unique_lock<std::mutex> lock(mutex_);
    task_ = &task;
    count_ = count;
    next_ = 0;
    unfinished_ = count;
    ++job_;
    if (!threads_.empty()) wake_.notify_all();
    unfinished_ -= Drain(lock);
    if (unfinished_ != 0) {
        lock.unlock();
        WatchFor([&] { return unfinished_ == 0; });
        lock.lock();
    }
    done_.wait(lock, [&] { return unfinished_ == 0; });
    task_ = nullptr;
    if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
}
