#pragma once

namespace quorvel {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Called from several threads at once: a load reads its files concurrently.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  // The wait between retries of a shared file.
  virtual void Wait(int milliseconds) = 0;
};

}  // namespace quorvel
