#pragma once
#include "platform/Clock.h"

namespace quorvel {

class Win32Clock : public Clock {
 public:
  LocalTime Now() override;        // GetLocalTime
  void Wait(int milliseconds) override;  // Sleep
};

}  // namespace quorvel
