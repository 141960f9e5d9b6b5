#pragma once
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "shell/Opener.h"
#include "ui/DialogRunner.h"

namespace quorvel {

// Everything a window reaches beyond its own controls; owned by start-up.
// Every window takes it in its constructor.
struct Services {
  Platform& platform;
  Profile& profile;
  DialogRunner& runner;  // this window's children of its own folder
  Opener& opener;        // windows of the other editions
};

}  // namespace quorvel
