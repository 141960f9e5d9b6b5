#pragma once
// qvlstatus: the desk's own status from a script or the Task Scheduler,
// without a window. It acts for the profile's identity through the same
// store and label lookup as the windows, and prints code page 932 bytes, as
// the console of a Japanese Windows expects.
#include <string>
#include <vector>

#include "cli/TextOut.h"
#include "platform/Platform.h"
#include "platform/Profile.h"

namespace quorvel {

struct StatusArguments {
  enum class Command { Show, Press, List, Help, Memos };
  Command command = Command::Show;
  int button = 0;       // Press: the status button's number
  std::string remark;   // Press
  std::string profile;  // --profile, or empty for the platform's own
  std::string error;    // why the arguments make no command; empty when they do
};

// Exit codes.
constexpr int kStatusDone = 0;
constexpr int kStatusRefused = 1;   // the store or the identity said no
constexpr int kStatusBadUsage = 2;  // the arguments make no command

// The arguments without the program name.
StatusArguments ParseStatusArguments(const std::vector<std::string>& args);

extern const char kStatusUsage[];

// Carries out a parsed command; results go to `out`, failures to `err` (the
// store's own texts reach it through the platform's prompt). A command with
// an error prints it (or the usage) to `err` and returns kStatusBadUsage.
int RunStatusCommand(const StatusArguments& arguments, Platform& platform, Profile& profile,
                     TextOut& out, TextOut& err);

}  // namespace quorvel
