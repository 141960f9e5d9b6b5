#pragma once
#include <mutex>
#include <vector>

#include "platform/Clock.h"

namespace quorvel::test {

// A settable time; waits are recorded instead of slept, from any thread.
class FakeClock : public Clock {
 public:
  LocalTime Now() override { return now; }
  void Wait(int milliseconds) override {
    std::lock_guard<std::mutex> lock(waitsLock_);
    waits.push_back(milliseconds);
  }

  LocalTime now{1999, 6, 15, 9, 30, 15};
  std::vector<int> waits;  // read once the waiting calls are done

 private:
  std::mutex waitsLock_;
};

}  // namespace quorvel::test
