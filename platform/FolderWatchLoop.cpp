#include "platform/FolderWatchLoop.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace quorvel {

using Wait = FolderChangeSource::Wait;

struct FolderWatchLoop::Shared {
  std::unique_ptr<FolderChangeSource> source;
  Changed changed;
  int quietMs;
  int pollMs;
  std::atomic<bool> notifies{false};
  std::mutex mutex;  // held while calling back, so no call outlives the watch
  bool stopped = false;

  void Report() {
    std::lock_guard<std::mutex> lock(mutex);
    if (!stopped) changed();
  }

  // Reports changes while armed; false once stopped, true when lost.
  bool Watch() {
    for (;;) {
      Wait woke = source->WaitChange(pollMs);
      if (woke == Wait::kTimeOut) {
        Report();  // silence is not proof that nothing changed
        continue;
      }
      if (woke != Wait::kChange) return woke == Wait::kLost;
      // Let a burst settle; a folder that never settles is still reported.
      const auto start = std::chrono::steady_clock::now();
      const auto longest = std::chrono::milliseconds(kFolderLongestWaitMs);
      do woke = source->WaitChange(quietMs);
      while (woke == Wait::kChange && std::chrono::steady_clock::now() - start < longest);
      if (woke == Wait::kStopped) return false;
      if (woke == Wait::kLost) return true;
      Report();
    }
  }

  void Run() {
    for (;;) {
      if (source->Arm()) {
        notifies = true;
        const bool lost = Watch();
        notifies = false;
        if (!lost) return;
        Report();  // the loss may be the change: the folder gone
      }
      if (!source->Pause(pollMs)) return;
      Report();
    }
  }
};

FolderWatchLoop::FolderWatchLoop(std::unique_ptr<FolderChangeSource> source, Changed changed,
                                 int quietMs, int pollMs)
    : shared_(std::make_shared<Shared>()) {
  shared_->source = std::move(source);
  shared_->changed = std::move(changed);
  shared_->quietMs = quietMs;
  shared_->pollMs = pollMs;
  std::thread([shared = shared_] { shared->Run(); }).detach();
}

FolderWatchLoop::~FolderWatchLoop() {
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->stopped = true;
  }
  shared_->source->Stop();
}

bool FolderWatchLoop::Notifies() const { return shared_->notifies; }

}  // namespace quorvel
