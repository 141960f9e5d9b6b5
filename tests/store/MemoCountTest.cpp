#include "store/MemoCount.h"

#include <gtest/gtest.h>

#include "personal/MemoNotice.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/RecordingPrompt.h"

namespace quorvel {
namespace {

// Every open refused as another desk's sender would have it refused.
class HeldFileSystem : public test::MemoryFileSystem {
 public:
  OpenResult Open(const std::string&, FileAccess, FileShare, FileDisposition) override {
    ++opens;
    OpenResult r;
    r.error = FileError::SharingViolation;
    return r;
  }
  int opens = 0;
};

struct MemoCountTest : ::testing::Test {
  test::MemoryFileSystem files;
  test::FakeClock clock;
  test::RecordingPrompt prompt;
  Platform platform{files, clock, prompt};
  MemberAddress member{"鈴木", "B02", "営業", "\\\\srv\\qvl"};

  void PutMemos(const std::string& bytes) {
    files.folders.insert(GroupFolderPath(member.serverName, member.group));
    files.files[MemoFilePath(RecordFor(member))] = bytes;
  }
  std::string Caption() {
    bool held = true;
    const int n = WaitingMemos(platform, member, held);
    EXPECT_FALSE(held);
    return MemoButtonCaption(n);
  }
};

TEST_F(MemoCountTest, TheButtonCountsTheMemosAsTheBoardListsThem) {
  const struct {
    std::string bytes;
    const char* caption;
  } cases[] = {
      {"", "伝言を確認"},
      {"a\n", "伝言を確認 (1)"},
      {"a\n\n\nb\n", "伝言を確認 (2)"},  // empty lines a broken-off delete left
      {"a\nb", "伝言を確認 (1)"},        // an unended last line is no memo yet
      {"\n\n", "伝言を確認"},
  };
  for (const auto& c : cases) {
    PutMemos(c.bytes);
    EXPECT_EQ(Caption(), c.caption) << c.bytes;
  }
  std::string many;
  for (int i = 0; i < 99; ++i) many += "m\n";
  PutMemos(many);
  EXPECT_EQ(Caption(), "伝言を確認 (99)");
  PutMemos(many + "m\n");
  EXPECT_EQ(Caption(), "伝言を確認 (99+)");
  EXPECT_TRUE(prompt.shown.empty()) << "no limit message from the count";
}

TEST_F(MemoCountTest, NoFileNoPlaceOrADeviceNameCountNothingAndSayNothing) {
  EXPECT_EQ(Caption(), "伝言を確認");  // no folder, no file
  member.code = "CON";
  files.folders.insert(GroupFolderPath(member.serverName, member.group));
  files.files[MemoFilePath(RecordFor(member))] = "a\n";
  EXPECT_EQ(Caption(), "伝言を確認");
  member.serverName.clear();
  EXPECT_EQ(Caption(), "伝言を確認");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MemoCountTest, AHeldFileIsLeftAtOnceWithoutWaitingOnTheSender) {
  HeldFileSystem held;
  Platform busy{held, clock, prompt};
  bool isHeld = false;
  WaitingMemos(busy, member, isHeld);
  EXPECT_TRUE(isHeld);
  EXPECT_EQ(held.opens, 1);
  EXPECT_TRUE(clock.waits.empty());
  // A script may wait as a sender does, then says it could not read.
  std::string bytes;
  EXPECT_EQ(ReadMemoBytes(busy, RecordFor(member), true, bytes), MemoFileRead::Held);
  EXPECT_EQ(held.opens, 4);
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace quorvel
