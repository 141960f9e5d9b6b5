#pragma once
// The service that starts folder watches, given to the windows that follow
// a folder, and the one folder such a window follows at a time.
#include <memory>
#include <string>

#include "platform/FolderWatch.h"

namespace quorvel {

class FolderWatcher {
 public:
  virtual ~FolderWatcher() = default;
  // Watches `folder` until the watch is destroyed; `changed` is called on
  // the watch's thread, so it may only post. Returns at once, whatever the
  // server does.
  virtual std::unique_ptr<FolderWatch> Watch(const std::string& folder,
                                             FolderWatch::Changed changed) = 0;
};

// What a window follows: the folder its board or memo count is read from.
class WatchedFolder {
 public:
  explicit WatchedFolder(FolderWatcher& watcher) : watcher_(watcher) {}

  // Watches `folder` from now on, its changes reaching `changed`; the same
  // folder again keeps the watch it has, and an empty one ends it.
  void Follow(const std::string& folder, const FolderWatch::Changed& changed) {
    if (folder == folder_) return;
    // The old watch stops, and calls nothing more, before the new one starts.
    watch_.reset();
    folder_ = folder;
    if (!folder.empty()) watch_ = watcher_.Watch(folder, changed);
  }
  void End() { Follow("", {}); }

 private:
  FolderWatcher& watcher_;
  std::string folder_;
  std::unique_ptr<FolderWatch> watch_;
};

}  // namespace quorvel
