// qvlstatus: the entry point, with the platform of the build: the Win32
// file system and profile on Windows, the portable stand-ins elsewhere.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/ConsolePrompt.h"
#include "cli/StatusCommand.h"

#ifdef _WIN32
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Profile.h"
#else
#include "platform/posix/IniProfile.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileSystem.h"
#endif

namespace {

// A bare name: Windows keeps it in the Windows directory, as the program's.
const char kProfileName[] = "QVL.ini";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const quorvel::StatusArguments arguments = quorvel::ParseStatusArguments(args);
  const std::string profilePath = arguments.profile.empty() ? kProfileName : arguments.profile;
#ifdef _WIN32
  quorvel::Win32FileSystem files;
  quorvel::Win32Clock clock;
  quorvel::Win32Profile profile(profilePath);
#else
  quorvel::PosixFileSystem files;
  quorvel::PosixClock clock;
  quorvel::IniProfile profile(profilePath);
#endif
  quorvel::StdioOut out(stdout), err(stderr);
  quorvel::ConsolePrompt prompt(err);
  quorvel::Platform platform{files, clock, prompt};
  const int code = quorvel::RunStatusCommand(arguments, platform, profile, out, err);
  std::fflush(stdout);
  return code;
}
