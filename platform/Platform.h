#pragma once
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

namespace quorvel {

// What the store works through; owned by the caller.
struct Platform {
  FileSystem& files;
  Clock& clock;
  Prompt& prompt;
};

}  // namespace quorvel
