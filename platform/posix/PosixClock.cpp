#include "platform/posix/PosixClock.h"

#include <time.h>

namespace quorvel {

LocalTime PosixClock::Now() {
  const time_t now = ::time(nullptr);
  struct tm t {};
  ::localtime_r(&now, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void PosixClock::Wait(int milliseconds) {
  struct timespec ts {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (::nanosleep(&ts, &ts) != 0) {
  }
}

}  // namespace quorvel
