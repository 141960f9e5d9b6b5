#pragma once
// A temporary share on the real file system of the build (flock natively,
// Win32 share modes under Wine), a clock that records its waits and a
// prompt that records its messages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "store/StatusRecord.h"
#include "tests/support/FakeClock.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel::test {

class StoreTest : public ::testing::Test {
 protected:
  StoreTest()
      : files_(MakeRealFileSystem()), other_(MakeRealFileSystem()),
        platform{*files_, clock, prompt} {}

  // A member of the group "営業" on the temporary share, its folder made.
  StatusRecord Member(const std::string& code, bool makeFolder = true) {
    StatusRecord r;
    r.serverName = share.Path();
    r.group = "営業";
    r.code = code;
    if (makeFolder && !PathExists(GroupFolderPath(r.serverName, r.group)))
      MakeFolder(GroupFolderPath(r.serverName, r.group));
    return r;
  }

  // Holds a file as another desk would: a second, independent open.
  std::unique_ptr<File> Hold(const std::string& path, FileAccess access = FileAccess::Write,
                             FileShare share = FileShare::None) {
    OpenResult r = other_->Open(path, access, share, FileDisposition::OpenAlways);
    EXPECT_TRUE(r.file) << "cannot hold " << path;
    return std::move(r.file);
  }

  TempDir share;
  FakeClock clock;
  RecordingPrompt prompt;

 private:
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<FileSystem> other_;

 protected:
  Platform platform;
};

}  // namespace quorvel::test
