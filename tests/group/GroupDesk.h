#pragma once
// A desk for the group views' tests: a temporary share on the real file
// system, a fake clock, recorded messages, a profile in memory and a
// scripted runner for child dialogs.
#include <memory>
#include <string>

#include "shell/Services.h"
#include "store/TextCodec.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScriptedRunner.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel::test {

struct GroupDesk {
  TempDir share;
  std::unique_ptr<FileSystem> files = MakeRealFileSystem();
  FakeClock clock;
  RecordingPrompt prompt;
  MemoryProfile profile;
  ScriptedRunner runner;
  Platform platform{*files, clock, prompt};
  Services services{platform, profile, runner};

  std::string GroupFolder(const std::string& group) { return share / Encode(group); }

  // Writes a member's status file as another desk would have left it.
  void PutMember(const std::string& group, const std::string& code, const std::string& bytes) {
    const std::string folder = GroupFolder(group);
    if (!PathExists(folder)) MakeFolder(folder);
    WriteFileBytes(folder + "\\" + Encode(code) + ".sta", bytes);
  }
};

}  // namespace quorvel::test
