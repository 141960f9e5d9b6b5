#include "tests/support/SlowFileSystem.h"

#include <thread>

namespace quorvel::test {

bool SlowFileSystem::Enter(FileCall call) {
  if (call == FileCall::Next) return true;
  const std::chrono::microseconds d = delay_();
  if (d.count() > 0) std::this_thread::sleep_for(d);
  return true;
}

}  // namespace quorvel::test
