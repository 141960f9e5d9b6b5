#pragma once
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/InputClock.h"
#include "platform/Prompt.h"

namespace quorvel {

// What the store works through; owned by the caller.
struct Platform {
  FileSystem& files;
  Clock& clock;
  Prompt& prompt;
  // The desk's own input, for windows that act when it is left; null where
  // nothing looks at it (scripts).
  InputClock* input = nullptr;
};

}  // namespace quorvel
