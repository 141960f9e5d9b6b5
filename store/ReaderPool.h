#pragma once
// Threads kept between loads. Starting a thread costs a millisecond or more
// under Wine, as much as a whole read on a fast share, and a refresh of a
// slow share wants dozens at once: the first wide load starts them, later
// ones find them waiting.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace quorvel {

class ReaderPool {
 public:
  // The process's one pool. It is never destroyed: its threads wait for
  // work until the process ends.
  static ReaderPool& Shared();
  // A pool of one's own must outlive every thread it starts: only one that
  // never started a thread may be destroyed.
  ReaderPool() = default;

  // Runs `job` on up to `count` threads of the pool and `own` on the calling
  // thread at the same time; returns once all have ended. A run that has
  // not begun when `own` ends is not begun at all, so `job` must leave
  // nothing undone that `own` does not finish. `job` must not throw. Threads
  // the pool lacks are started beside `own`, not before it, and only while
  // `wanted` says so, which may be asked on another thread.
  void RunBeside(int count, const std::function<void()>& job, const std::function<void()>& own,
                 const std::function<bool()>& wanted);

 private:
  struct Run {
    const std::function<void()>* job;
    const std::function<bool()>* wanted;
    int pending;
    bool starting;
    std::condition_variable done;
  };

  void Serve();
  // Starts up to `count` threads for `run` while it wants them.
  void StartFor(Run& run, int count);
  // Gives back what was counted for threads that were not started.
  void Unstarted(int count);

  std::mutex mutex_;
  std::condition_variable work_;
  std::deque<Run*> queue_;
  int threads_ = 0;
};

}  // namespace quorvel
