#pragma once
#include "platform/Clock.h"

namespace quorvel {

class PosixClock : public Clock {
 public:
  LocalTime Now() override;
  void Wait(int milliseconds) override;
};

}  // namespace quorvel
