#pragma once
#include "platform/FolderWatcher.h"
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
  DialogRunner& runner;    // dialogs a window runs itself (its own folder's, the version panel)
  Opener& opener;          // windows it reaches in other folders
  FolderWatcher& folders;  // watches of a shown group's folder
};

}  // namespace quorvel
