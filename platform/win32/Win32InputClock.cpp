#include "platform/win32/Win32InputClock.h"

#include <windows.h>

namespace quorvel {

std::uint32_t Win32InputClock::MillisecondsSinceInput() {
  LASTINPUTINFO info = {};
  info.cbSize = sizeof info;
  if (!GetLastInputInfo(&info)) return 0;  // unknown reads as present: nobody is set away by it
  // Both are 32-bit tick counts: the unsigned difference survives the wrap.
  return static_cast<std::uint32_t>(GetTickCount() - info.dwTime);
}

}  // namespace quorvel
