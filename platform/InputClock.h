#pragma once
#include <cstdint>

namespace quorvel {

// How long the desk has gone without keyboard or mouse input, as its
// session sees it; tests use a fake they wind on.
class InputClock {
 public:
  virtual ~InputClock() = default;
  virtual std::uint32_t MillisecondsSinceInput() = 0;
};

}  // namespace quorvel
