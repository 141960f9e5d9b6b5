#include "store/ReaderPool.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace quorvel {

namespace {
// Enough for the widest load; more would only wait.
constexpr int kMostThreads = 128;
}  // namespace

ReaderPool& ReaderPool::Shared() {
  static ReaderPool* const pool = new ReaderPool;  // outlives every load
  return *pool;
}

void ReaderPool::Serve() {
  for (;;) {
    Run* run;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      work_.wait(lock, [this] { return !queue_.empty(); });
      run = queue_.front();
      queue_.pop_front();
    }
    (*run->job)();
    // Told under the lock: the caller cannot end the run, and with it
    // `run`, before this thread lets go of it.
    std::lock_guard<std::mutex> lock(mutex_);
    if (--run->pending == 0) run->done.notify_all();
  }
}

void ReaderPool::RunBeside(int count, const std::function<void()>& job,
                           const std::function<void()>& own,
                           const std::function<bool()>& wanted) {
  Run run{&job, std::max(count, 0), {}};
  int start = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int i = 0; i < run.pending; ++i) queue_.push_back(&run);
    start = std::min(run.pending, kMostThreads) - threads_;
    if (start > 0) threads_ += start;
  }
  work_.notify_all();
  for (int i = 0; i < start; ++i) {
    bool started = false;
    if (wanted()) {
      try {
        std::thread([this] { Serve(); }).detach();
        started = true;
      } catch (const std::system_error&) {
      }
    }
    if (!started) {
      // Fewer threads: what none of them begins is dropped below.
      std::lock_guard<std::mutex> lock(mutex_);
      threads_ -= start - i;
      break;
    }
  }
  own();
  std::unique_lock<std::mutex> lock(mutex_);
  const auto unbegun = std::remove(queue_.begin(), queue_.end(), &run);
  run.pending -= static_cast<int>(queue_.end() - unbegun);
  queue_.erase(unbegun, queue_.end());
  run.done.wait(lock, [&run] { return run.pending == 0; });
}

}  // namespace quorvel
