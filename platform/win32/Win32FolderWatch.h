#pragma once
#include <memory>
#include <string>
#include <utility>

#include "platform/FolderWatchLoop.h"
#include "platform/FolderWatcher.h"

namespace quorvel {

// FindFirstChangeNotificationA, armed and waited for on the watch's thread.
class Win32FolderWatch : public FolderWatchLoop {
 public:
  Win32FolderWatch(const std::string& folder, Changed changed, int quietMs = kFolderQuietMs,
                   int pollMs = kFolderPollMs);
};

class Win32FolderWatcher : public FolderWatcher {
 public:
  std::unique_ptr<FolderWatch> Watch(const std::string& folder,
                                     FolderWatch::Changed changed) override {
    return std::make_unique<Win32FolderWatch>(folder, std::move(changed));
  }
};

}  // namespace quorvel
