#include "platform/posix/PosixFolderWatch.h"

#include <dirent.h>
#include <sys/stat.h>

#include <chrono>
#include <map>
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
    if (stat((folder + "/" + name).c_str(), &st) != 0) continue;
    out[name] = {static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
                 static_cast<long long>(st.st_mtim.tv_nsec)};
  }
  closedir(dir);
  return true;
}

}  // namespace

PosixFolderWatch::PosixFolderWatch(const std::string& folder, Changed changed, int quietMs,
                                   int pollMs)
    : folder_(ToPosixPath(folder)),
      changed_(std::move(changed)),
      quietMs_(quietMs),
      pollMs_(pollMs) {
  Listing ignored;
  notifies_ = List(folder_, ignored);
  thread_ = std::thread([this] { Run(); });
}

PosixFolderWatch::~PosixFolderWatch() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

bool PosixFolderWatch::Sleep(int milliseconds) {
  std::unique_lock<std::mutex> lock(mutex_);
  return !wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_; });
}

void PosixFolderWatch::Run() {
  if (!notifies_) {
    while (Sleep(pollMs_)) changed_();
    return;
  }
  Listing seen, now;
  List(folder_, seen);
  int quiet = -1;    // ms since the last change not yet reported; -1 for none
  int pending = 0;   // ms since the first change not yet reported
  while (Sleep(kLookMs)) {
    List(folder_, now);
    if (now != seen) {
      seen.swap(now);
      if (quiet < 0) pending = 0;
      quiet = 0;
    } else if (quiet >= 0) {
      quiet += kLookMs;
    }
    if (quiet >= 0) pending += kLookMs;
    if (quiet >= quietMs_ || (quiet >= 0 && pending >= kFolderLongestWaitMs)) {
      quiet = -1;
      changed_();
    }
  }
}

}  // namespace quorvel
