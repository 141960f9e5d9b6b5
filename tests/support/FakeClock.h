#pragma once
#include <vector>

#include "platform/Clock.h"

namespace quorvel::test {

// A settable time; waits are recorded instead of slept.
class FakeClock : public Clock {
 public:
  LocalTime Now() override { return now; }
  void Wait(int milliseconds) override { waits.push_back(milliseconds); }

  LocalTime now{1999, 6, 15, 9, 30, 15};
  std::vector<int> waits;
};

}  // namespace quorvel::test
