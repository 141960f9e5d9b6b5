#include "personal/IdleSpell.h"

namespace quorvel {

IdleSpell::Press IdleSpell::Check(std::uint32_t sinceInputMs, std::uint32_t thresholdMs) {
  const std::uint32_t last = lastSinceInput_;
  lastSinceInput_ = sinceInputMs;
  if (locked_) return Press::None;
  if (!away_) {
    if (sinceInputMs < thresholdMs) return Press::None;
    away_ = true;
    return Press::Idle;
  }
  // Time since the last input only grows while nobody touches the desk.
  if (sinceInputMs >= last) return Press::None;
  away_ = false;
  return Press::Back;
}

bool IdleSpell::Lock() {
  locked_ = true;
  return !away_;  // the idle button already said the desk is left
}

void IdleSpell::Unlock() {
  // Unlocking is the return: the spell ends with the unlock's button only.
  locked_ = false;
  away_ = false;
}

}  // namespace quorvel
