#include "store/ReaderPool.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace quorvel {

namespace {
// Enough for the widest load; more would only wait.
constexpr int kMostThreads = 128;

bool Started(const std::function<void()>& body) {
  try {
    std::thread(body).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}
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

void ReaderPool::Unstarted(int count) {
  std::lock_guard<std::mutex> lock(mutex_);
  threads_ -= count;
}

void ReaderPool::StartFor(Run& run, int count) {
  for (int i = 0; i < count; ++i) {
    // Fewer threads: what none of them begins is dropped by the caller.
    if (!(*run.wanted)() || !Started([this] { Serve(); })) {
      Unstarted(count - i);
      break;
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  run.starting = false;
  run.done.notify_all();
}

void ReaderPool::RunBeside(int count, const std::function<void()>& job,
                           const std::function<void()>& own,
                           const std::function<bool()>& wanted) {
  Run run{&job, &wanted, std::max(count, 0), false, {}};
  int start = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int i = 0; i < run.pending; ++i) queue_.push_back(&run);
    start = std::min(run.pending, kMostThreads) - threads_;
    if (start > 0) threads_ += start;
    run.starting = start > 0;
  }
  work_.notify_all();
  // Started one by one here, they would hold up the caller's own reads by
  // a millisecond or more each under Wine: one thread starts the rest while
  // the caller reads, then serves as well.
  const bool starter = start > 0 && wanted() && Started([this, &run, start] {
    StartFor(run, start - 1);
    Serve();
  });
  if (start > 0 && !starter) {
    Unstarted(start);
    std::lock_guard<std::mutex> lock(mutex_);
    run.starting = false;
  }
  own();
  std::unique_lock<std::mutex> lock(mutex_);
  const auto unbegun = std::remove(queue_.begin(), queue_.end(), &run);
  run.pending -= static_cast<int>(queue_.end() - unbegun);
  queue_.erase(unbegun, queue_.end());
  run.done.wait(lock, [&run] { return run.pending == 0 && !run.starting; });
}

}  // namespace quorvel
