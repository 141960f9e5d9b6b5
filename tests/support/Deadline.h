#pragma once
// Ends the test program with a message when the scope it guards runs past
// its time: a call that blocks for ever (a device opened as a file) then
// fails the run instead of hanging it.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace quorvel::test {

class Deadline {
 public:
  Deadline(std::chrono::milliseconds limit, std::string what)
      : watcher_([this, limit, what = std::move(what)] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (cv_.wait_for(lock, limit, [this] { return done_; })) return;
          std::fprintf(stderr, "FAILED: %s did not finish within %lld ms\n", what.c_str(),
                       static_cast<long long>(limit.count()));
          std::fflush(stderr);
          std::_Exit(1);
        }) {}
  ~Deadline() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    cv_.notify_one();
    watcher_.join();
  }
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool done_ = false;
  std::thread watcher_;  // last: starts once the rest is made
};

}  // namespace quorvel::test
