#pragma once
#include <string>

#include "platform/FolderWatchLoop.h"

namespace quorvel {

// The stand-in: looks at the folder's listing (names, sizes, times) a few
// times a second; a folder that cannot be listed is no longer watched.
class PosixFolderWatch : public FolderWatchLoop {
 public:
  PosixFolderWatch(const std::string& folder, Changed changed, int quietMs = kFolderQuietMs,
                   int pollMs = kFolderPollMs);
};

}  // namespace quorvel
