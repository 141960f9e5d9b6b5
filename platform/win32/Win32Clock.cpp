#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace quorvel {

LocalTime Win32Clock::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void Win32Clock::Wait(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace quorvel
