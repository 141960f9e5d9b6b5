#include "platform/posix/PosixFolderWatch.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/posix/PosixFileSystem.h"

namespace quorvel {

namespace {

constexpr int kLookMs = 100;

using Listing = std::map<std::string, std::tuple<long long, long long, long long>>;

bool List(const std::string& folder, Listing& out) {
  out.clear();
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return false;
  while (dirent* entry = readdir(dir)) {
    struct stat st = {};
    const std::string name = entry->d_name;
    // ".." changes with its neighbours, not with this folder's files.
    if (name == "." || name == "..") continue;
    if (stat((folder + "/" + name).c_str(), &st) != 0) continue;
    out[name] = {static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
                 static_cast<long long>(st.st_mtim.tv_nsec)};
  }
  closedir(dir);
  return true;
}

class PosixFolderChanges : public FolderChangeSource {
 public:
  explicit PosixFolderChanges(const std::string& folder) : folder_(folder) {}

  bool Arm() override { return List(folder_, seen_); }

  Wait WaitChange(int milliseconds) override {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    Listing now;
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          end - std::chrono::steady_clock::now());
      if (left.count() <= 0) return Wait::kTimeOut;
      if (!Pause(static_cast<int>(std::min<long long>(left.count(), kLookMs))))
        return Wait::kStopped;
      if (!List(folder_, now)) return Wait::kLost;
      if (now != seen_) {
        seen_.swap(now);
        return Wait::kChange;
      }
    }
  }

  bool Pause(int milliseconds) override {
    std::unique_lock<std::mutex> lock(mutex_);
    return !wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_; });
  }

  void Stop() override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
  }

 private:
  std::string folder_;
  Listing seen_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
};

}  // namespace

PosixFolderWatch::PosixFolderWatch(const std::string& folder, Changed changed, int quietMs,
                                   int pollMs)
    : FolderWatchLoop(std::make_unique<PosixFolderChanges>(ToPosixPath(folder)), std::move(changed),
                      quietMs, pollMs) {}

}  // namespace quorvel
