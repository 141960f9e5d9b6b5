#pragma once
#include <string>

#include "platform/FolderWatchLoop.h"

namespace quorvel {

// FindFirstChangeNotificationA, armed and waited for on the watch's thread.
class Win32FolderWatch : public FolderWatchLoop {
 public:
  Win32FolderWatch(const std::string& folder, Changed changed, int quietMs = kFolderQuietMs,
                   int pollMs = kFolderPollMs);
};

}  // namespace quorvel
