#include "platform/win32/Win32FolderWatch.h"

namespace quorvel {

Win32FolderWatch::Win32FolderWatch(const std::string& folder, Changed changed, int quietMs,
                                   int pollMs)
    : changed_(std::move(changed)),
      quietMs_(quietMs),
      pollMs_(pollMs),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      notification_(FindFirstChangeNotificationA(
          folder.c_str(), FALSE,
          FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE)) {
  thread_ = std::thread([this] { Notifies() ? Run() : Poll(); });
}

Win32FolderWatch::~Win32FolderWatch() {
  SetEvent(stop_);
  if (thread_.joinable()) thread_.join();
  if (notification_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(notification_);
  CloseHandle(stop_);
}

bool Win32FolderWatch::NextChange(DWORD milliseconds, bool* stopped) {
  const HANDLE handles[] = {stop_, notification_};
  const DWORD woke = WaitForMultipleObjects(2, handles, FALSE, milliseconds);
  *stopped = woke == WAIT_OBJECT_0 || woke == WAIT_FAILED;
  if (woke != WAIT_OBJECT_0 + 1) return false;
  // Re-armed at once, so a change during the quiet wait is not missed.
  if (!FindNextChangeNotification(notification_)) *stopped = true;
  return true;
}

void Win32FolderWatch::Run() {
  bool stopped = false;
  while (!stopped) {
    if (!NextChange(INFINITE, &stopped)) continue;
    // Let a burst settle; a folder that never settles is still reported.
    DWORD waited = 0;
    while (!stopped && waited < static_cast<DWORD>(kFolderLongestWaitMs)) {
      const DWORD start = GetTickCount();
      if (!NextChange(static_cast<DWORD>(quietMs_), &stopped)) break;
      waited += GetTickCount() - start;
    }
    if (!stopped) changed_();
  }
}

void Win32FolderWatch::Poll() {
  while (WaitForSingleObject(stop_, static_cast<DWORD>(pollMs_)) == WAIT_TIMEOUT) changed_();
}

}  // namespace quorvel
