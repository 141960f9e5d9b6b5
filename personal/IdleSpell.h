#pragma once
// Away when idle: one idle spell of the desk from the first check that finds
// it left long enough to the first input after, with the lock and unlock of
// the session in between. Each spell presses the idle button once and the
// return button once, and a lock inside it adds no press of its own.
#include <cstdint>

namespace quorvel {

class IdleSpell {
 public:
  enum class Press { None, Idle, Back };

  // One look at the input clock; threshold: the idle minutes in ms.
  Press Check(std::uint32_t sinceInputMs, std::uint32_t thresholdMs);
  // Whether the lock's own button is to be pressed. The unlock's always
  // is, and it ends the spell.
  bool Lock();
  void Unlock();

  bool Away() const { return away_; }

 private:
  bool away_ = false;    // the idle button was pressed in this spell
  bool locked_ = false;  // the lock's button speaks for the desk meanwhile
  std::uint32_t lastSinceInput_ = 0;
};

}  // namespace quorvel
