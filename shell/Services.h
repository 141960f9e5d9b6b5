#pragma once
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "ui/DialogRunner.h"

namespace quorvel {

// Everything a window reaches beyond its own controls; owned by start-up.
struct Services {
  Platform& platform;
  Profile& profile;
  DialogRunner& runner;
};

}  // namespace quorvel
