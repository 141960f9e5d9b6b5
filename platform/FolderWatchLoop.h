#pragma once
// What both platforms' folder watches share. The platform's notifications
// are armed on the watch's own thread (arming can hang on an offline
// server); a burst settles into one call; and the folder is read again each
// poll period whenever the notifications cannot start, stop (the share
// dropped, the folder gone) or stay silent (a server that accepts the watch
// but never signals). Each period the notifications are tried again, so a
// folder that comes back is watched again.
#include <memory>

#include "platform/FolderWatch.h"

namespace quorvel {

// One platform's change notifications for one folder, used by the watch's
// thread only, except Stop.
class FolderChangeSource {
 public:
  enum class Wait { kChange, kTimeOut, kLost, kStopped };

  virtual ~FolderChangeSource() = default;
  // Starts the notifications; false when the folder cannot be watched now.
  virtual bool Arm() = 0;
  // While armed: a change (already re-armed), the time-out, the loss of
  // the notifications (then no longer armed), or the stop.
  virtual Wait WaitChange(int milliseconds) = 0;
  // Not armed: false when stopped before the time is up.
  virtual bool Pause(int milliseconds) = 0;
  // From any thread: every wait from now on ends at once. Arm may still
  // be running; it is not waited for.
  virtual void Stop() = 0;
};

class FolderWatchLoop : public FolderWatch {
 public:
  FolderWatchLoop(std::unique_ptr<FolderChangeSource> source, Changed changed, int quietMs,
                  int pollMs);
  // Returns at once even while an Arm hangs: that thread finishes by itself
  // and makes no call.
  ~FolderWatchLoop() override;
  FolderWatchLoop(const FolderWatchLoop&) = delete;
  FolderWatchLoop& operator=(const FolderWatchLoop&) = delete;

  bool Notifies() const override;

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
};

}  // namespace quorvel
