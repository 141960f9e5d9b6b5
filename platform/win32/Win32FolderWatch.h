#pragma once
#include <windows.h>

#include <string>
#include <thread>

#include "platform/FolderWatch.h"

namespace quorvel {

// FindFirstChangeNotificationA on a worker thread.
class Win32FolderWatch : public FolderWatch {
 public:
  Win32FolderWatch(const std::string& folder, Changed changed, int quietMs = kFolderQuietMs,
                   int pollMs = kFolderPollMs);
  ~Win32FolderWatch() override;
  Win32FolderWatch(const Win32FolderWatch&) = delete;
  Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

  bool Notifies() const override { return notification_ != INVALID_HANDLE_VALUE; }

 private:
  void Run();
  void Poll();
  // Waits for the stop event or the notification; true when it was the
  // notification (then already re-armed), false on stop or time-out.
  bool NextChange(DWORD milliseconds, bool* stopped);

  Changed changed_;
  int quietMs_;
  int pollMs_;
  HANDLE stop_;
  HANDLE notification_;
  std::thread thread_;
};

}  // namespace quorvel
