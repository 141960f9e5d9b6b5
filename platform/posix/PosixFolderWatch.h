#pragma once
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/FolderWatch.h"

namespace quorvel {

// The stand-in: looks at the folder's listing (names, sizes, times) a few
// times a second and reports what changed with the same quiet wait.
class PosixFolderWatch : public FolderWatch {
 public:
  PosixFolderWatch(const std::string& folder, Changed changed, int quietMs = kFolderQuietMs,
                   int pollMs = kFolderPollMs);
  ~PosixFolderWatch() override;
  PosixFolderWatch(const PosixFolderWatch&) = delete;
  PosixFolderWatch& operator=(const PosixFolderWatch&) = delete;

  bool Notifies() const override { return notifies_; }

 private:
  void Run();
  // False once stopped.
  bool Sleep(int milliseconds);

  std::string folder_;
  Changed changed_;
  int quietMs_;
  int pollMs_;
  bool notifies_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace quorvel
