#pragma once
#include "platform/InputClock.h"

namespace quorvel {

// GetLastInputInfo against the tick count, both of this session.
class Win32InputClock : public InputClock {
 public:
  std::uint32_t MillisecondsSinceInput() override;
};

}  // namespace quorvel
