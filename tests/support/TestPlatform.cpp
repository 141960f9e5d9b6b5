#include "tests/support/TestPlatform.h"

#ifdef _WIN32
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderWatch.h"
#include "platform/win32/Win32Profile.h"
#else
#include "platform/posix/PosixClock.h"
#include "platform/posix/IniProfile.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixFolderWatch.h"
#endif

namespace quorvel::test {

#ifdef _WIN32
std::unique_ptr<FileSystem> MakeRealFileSystem() { return std::make_unique<Win32FileSystem>(); }
std::unique_ptr<Clock> MakeRealClock() { return std::make_unique<Win32Clock>(); }
std::unique_ptr<Profile> MakeRealProfile(const std::string& path) {
  return std::make_unique<Win32Profile>(path);
}
std::unique_ptr<FolderWatch> MakeRealFolderWatch(const std::string& folder,
                                                 FolderWatch::Changed changed, int quietMs,
                                                 int pollMs) {
  return std::make_unique<Win32FolderWatch>(folder, std::move(changed), quietMs, pollMs);
}
const char* PlatformName() { return "win32"; }
#else
std::unique_ptr<FileSystem> MakeRealFileSystem() { return std::make_unique<PosixFileSystem>(); }
std::unique_ptr<Clock> MakeRealClock() { return std::make_unique<PosixClock>(); }
std::unique_ptr<Profile> MakeRealProfile(const std::string& path) {
  return std::make_unique<IniProfile>(path);
}
std::unique_ptr<FolderWatch> MakeRealFolderWatch(const std::string& folder,
                                                 FolderWatch::Changed changed, int quietMs,
                                                 int pollMs) {
  return std::make_unique<PosixFolderWatch>(folder, std::move(changed), quietMs, pollMs);
}
const char* PlatformName() { return "posix"; }
#endif

}  // namespace quorvel::test
