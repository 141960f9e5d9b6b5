#pragma once
// Watches one folder for changes of its files (made, rewritten, deleted) and
// calls back from a thread of its own: once, a short quiet while after a
// change, so a burst of changes gives one call; and besides once per poll
// period without a change, as where the folder cannot be watched (some file
// servers send no notifications, the share dropped, the folder is not
// there); a folder that can be watched again is. The callback runs on the
// watch's thread: it may only post, never touch a window or the prompt.
#include <functional>

namespace quorvel {

class FolderWatch {
 public:
  using Changed = std::function<void()>;
  virtual ~FolderWatch() = default;  // stops; no call is made once it returns
  // False while the folder is only re-read each poll period (also before
  // the watch's thread has armed the notifications).
  virtual bool Notifies() const = 0;
};

// A change is reported once this long has passed without another; a folder
// that keeps changing is reported at least this often.
constexpr int kFolderQuietMs = 400;
constexpr int kFolderLongestWaitMs = 1500;
// The re-read of a folder that gives no notifications.
constexpr int kFolderPollMs = 60 * 1000;

}  // namespace quorvel
