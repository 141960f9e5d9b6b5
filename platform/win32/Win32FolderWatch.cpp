#include "platform/win32/Win32FolderWatch.h"

#include <windows.h>

namespace quorvel {

namespace {

class Win32FolderChanges : public FolderChangeSource {
 public:
  explicit Win32FolderChanges(const std::string& folder)
      : folder_(folder), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Win32FolderChanges() override {
    Disarm();
    if (stop_ != nullptr) CloseHandle(stop_);
  }
  Win32FolderChanges(const Win32FolderChanges&) = delete;
  Win32FolderChanges& operator=(const Win32FolderChanges&) = delete;

  bool Arm() override {
    if (stop_ == nullptr) return false;
    notification_ = FindFirstChangeNotificationA(
        folder_.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
    return notification_ != INVALID_HANDLE_VALUE;
  }

  Wait WaitChange(int milliseconds) override {
    const HANDLE handles[] = {stop_, notification_};
    const DWORD woke = WaitForMultipleObjects(2, handles, FALSE, static_cast<DWORD>(milliseconds));
    if (woke == WAIT_OBJECT_0) return Wait::kStopped;
    // A deleted folder need not end the notifications by itself: look.
    if ((woke == WAIT_TIMEOUT || woke == WAIT_OBJECT_0 + 1) && FolderThere()) {
      if (woke == WAIT_TIMEOUT) return Wait::kTimeOut;
      // Re-armed at once, so a change during the quiet wait is not missed.
      if (FindNextChangeNotification(notification_)) return Wait::kChange;
    }
    Disarm();
    return Wait::kLost;
  }

  bool Pause(int milliseconds) override {
    return stop_ != nullptr &&
           WaitForSingleObject(stop_, static_cast<DWORD>(milliseconds)) == WAIT_TIMEOUT;
  }

  void Stop() override {
    if (stop_ != nullptr) SetEvent(stop_);
  }

 private:
  // Opened, not only looked up: a folder deleted while watched can stay
  // listed, pending, until the watch lets go of it.
  bool FolderThere() const {
    const HANDLE folder =
        CreateFileA(folder_.c_str(), FILE_LIST_DIRECTORY,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return false;
    CloseHandle(folder);
    return true;
  }
  void Disarm() {
    if (notification_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(notification_);
    notification_ = INVALID_HANDLE_VALUE;
  }

  std::string folder_;
  HANDLE stop_;
  HANDLE notification_ = INVALID_HANDLE_VALUE;
};

}  // namespace

Win32FolderWatch::Win32FolderWatch(const std::string& folder, Changed changed, int quietMs,
                                   int pollMs)
    : FolderWatchLoop(std::make_unique<Win32FolderChanges>(folder), std::move(changed), quietMs,
                      pollMs) {}

}  // namespace quorvel
