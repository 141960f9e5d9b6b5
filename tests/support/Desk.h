#pragma once
// A desk for the windows' tests: a temporary share on the real file system,
// a fake clock, recorded messages, a profile in memory, a scripted runner
// for child dialogs, folder watches kept as a list, and the program's own
// composition of its windows.
#include <memory>
#include <string>

#include "app/EditionWindows.h"
#include "shell/Services.h"
#include "store/TextCodec.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFolderWatcher.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScriptedRunner.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel::test {

struct Desk {
  TempDir share;
  std::unique_ptr<FileSystem> files = MakeRealFileSystem();
  FakeClock clock;
  RecordingPrompt prompt;
  MemoryProfile profile;
  ScriptedRunner runner;
  FakeFolderWatcher folders;
  Platform platform{*files, clock, prompt};
  EditionWindows windows{platform, profile, runner, folders, share / "QVL.gl"};
  Services& services = windows.GetServices();

  std::string GroupFolder(const std::string& group) { return share / Encode(group); }
  std::string StatusPath(const std::string& group, const std::string& code) {
    return GroupFolder(group) + "\\" + Encode(code) + ".sta";
  }
  std::string MemoPath(const std::string& group, const std::string& code) {
    return GroupFolder(group) + "\\" + Encode(code) + ".mem";
  }

  // Writes a member's status file as another desk would have left it.
  void PutMember(const std::string& group, const std::string& code, const std::string& bytes) {
    const std::string folder = GroupFolder(group);
    if (!PathExists(folder)) MakeFolder(folder);
    WriteFileBytes(StatusPath(group, code), bytes);
  }
  // The desk's own member in the profile, on the test share.
  void SetIdentity(const std::string& name, const std::string& code, const std::string& group) {
    profile.Set("Personal", "MyName", name);
    profile.Set("Personal", "MyCode", code);
    profile.Set("Personal", "Group", group);
    profile.Set("System", "ServerName", share.Path());
  }
  // The usual desk: 鈴木 (B02) of 営業, "In" since an old morning.
  void SeatDesk() {
    SetIdentity("鈴木", "B02", "営業");
    PutMember("営業", "B02", "x B02 In 1999061508000000\n");
  }
};

}  // namespace quorvel::test
