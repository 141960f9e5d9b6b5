#pragma once
// The real platform layer of the build at hand: the POSIX stand-ins
// natively, the Win32 implementations under Wine.
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FolderWatch.h"
#include "platform/Profile.h"

namespace quorvel::test {

std::unique_ptr<FileSystem> MakeRealFileSystem();
std::unique_ptr<Clock> MakeRealClock();
// A profile kept in the given file (a full path).
std::unique_ptr<Profile> MakeRealProfile(const std::string& path);
std::unique_ptr<FolderWatch> MakeRealFolderWatch(const std::string& folder,
                                                 FolderWatch::Changed changed, int quietMs,
                                                 int pollMs);
const char* PlatformName();  // "posix" or "win32"

}  // namespace quorvel::test
