#include "shell/IdentityChange.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "tests/support/Desk.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/InterferingFileSystem.h"

namespace quorvel {
namespace {

using Result = IdentityChangeResult;

struct IdentityChangeTest : ::testing::Test {
  test::Desk desk;
  const std::string memos = Encode("一件目") + "\n" + Encode("二件目") + "\n";

  Identity At(const std::string& group, const std::string& code, const std::string& name) {
    return {name, code, group, desk.share.Path()};
  }
  Result Change(const Identity& before, const Identity& after) {
    return ChangeIdentity(desk.platform, desk.profile, before, after);
  }
  std::string Bytes(const std::string& path) { return test::ReadFileBytes(path); }
  // The old member: a status with its time, and two memos.
  void PutOldMember() {
    desk.PutMember("営業", "B02", kOldStatus);
    test::WriteFileBytes(desk.MemoPath("営業", "B02"), memos);
    if (!test::PathExists(desk.GroupFolder("総務"))) test::MakeFolder(desk.GroupFolder("総務"));
  }
  // The move of B02 in 営業 to C03 in 総務, through a share where another
  // desk may be at work.
  Result MoveThrough(FileSystem& files) {
    Platform platform{files, desk.clock, desk.prompt};
    return ChangeIdentity(platform, desk.profile, At("営業", "B02", "Suzuki"),
                          At("総務", "C03", "Suzuki"));
  }
  // A refused move changed nothing: the old files as they were, no new
  // ones, the profile unwritten.
  void ExpectOldIdentityWhole(const std::string& oldMemos) {
    EXPECT_EQ(Bytes(desk.StatusPath("営業", "B02")), kOldStatus);
    EXPECT_EQ(Bytes(desk.MemoPath("営業", "B02")), oldMemos);
    EXPECT_FALSE(test::PathExists(desk.StatusPath("総務", "C03")));
    EXPECT_FALSE(test::PathExists(desk.MemoPath("総務", "C03")));
    EXPECT_TRUE(desk.profile.writes.empty());
  }

  static constexpr const char* kOldStatus = "Suzuki B02 =8AO=8Fo 1999061510300000\n";  // 外出
  test::InterferingFileSystem share{*desk.files};
};

TEST_F(IdentityChangeTest, MoveTakesStatusTimeAndMemosAndRemovesTheOldFiles) {
  PutOldMember();
  EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("総務", "C03", "Suzuki")), Result::Moved);
  EXPECT_EQ(Bytes(desk.StatusPath("総務", "C03")), "Suzuki C03 =8AO=8Fo 1999061510300000\n");
  EXPECT_EQ(Bytes(desk.MemoPath("総務", "C03")), memos);
  EXPECT_FALSE(test::PathExists(desk.StatusPath("営業", "B02")));
  EXPECT_FALSE(test::PathExists(desk.MemoPath("営業", "B02")));
  ASSERT_EQ(desk.profile.writes.size(), 4u);
  const char* keys[] = {"MyName", "MyCode", "Group", "ServerName"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(desk.profile.writes[i].key, keys[i]);
  EXPECT_EQ(desk.profile.writes[2].value, "総務");
  EXPECT_TRUE(desk.prompt.shown.empty()) << "no question before the old files go";
}

TEST_F(IdentityChangeTest, AFailedMoveLeavesNothingBehind) {
  PutOldMember();
  // A folder where the new memo file would go: the memos cannot be written.
  test::MakeFolder(desk.MemoPath("総務", "C03"));
  EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("総務", "C03", "Suzuki")), Result::Refused);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"伝言ファイルが作成できません"});
  EXPECT_FALSE(test::PathExists(desk.StatusPath("総務", "C03")))
      << "no second listing, and the next attempt is not refused as a taken code";
  EXPECT_EQ(Bytes(desk.MemoPath("営業", "B02")), memos);
  EXPECT_TRUE(test::PathExists(desk.StatusPath("営業", "B02")));
  EXPECT_TRUE(desk.profile.writes.empty());
}

TEST_F(IdentityChangeTest, ATakenCodeIsRefusedButAMemoFileAloneIsNot) {
  PutOldMember();
  desk.PutMember("総務", "C03", "Other C03 In 1999061509000000\n");
  EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("総務", "C03", "Suzuki")), Result::Refused);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"同じコードの人が既に存在します"});
  EXPECT_EQ(Bytes(desk.StatusPath("総務", "C03")), "Other C03 In 1999061509000000\n");
  EXPECT_TRUE(test::PathExists(desk.StatusPath("営業", "B02")));

  test::WriteFileBytes(desk.MemoPath("総務", "D04"), "x\n");
  EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("総務", "D04", "Suzuki")), Result::Moved);
}

TEST_F(IdentityChangeTest, RenameKeepsTheStatusOnRecordAndItsTime) {
  PutOldMember();
  EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("営業", "B02", "鈴木")), Result::Renamed);
  EXPECT_EQ(Bytes(desk.StatusPath("営業", "B02")), Encode("鈴木") + " B02 =8AO=8Fo 1999061510300000\n");
  ASSERT_EQ(desk.profile.writes.size(), 1u);
  EXPECT_EQ(desk.profile.writes[0].key, "MyName");
  EXPECT_EQ(Bytes(desk.MemoPath("営業", "B02")), memos);
}

TEST_F(IdentityChangeTest, NewValuesAreCheckedBeforeAnythingIsWritten) {
  PutOldMember();
  const struct {
    Identity after;
    const char* message;
  } cases[] = {
      {{"Suzuki", "B02", "総務", ""}, "サーバ名が設定されていません\r\nデータベースにアクセスできません"},
      {At("", "B02", "Suzuki"), "グループが設定されていません\r\nデータベースにアクセスできません"},
      {At("総務", "", "Suzuki"), "氏名、コードが設定されていません\r\nデータベースが更新できません"},
      {At("営業", "B02", ""), "氏名、コードが設定されていません\r\nデータベースが更新できません"},
  };
  for (const auto& c : cases) {
    desk.prompt.Clear();
    EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), c.after), Result::Refused) << c.message;
    EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{c.message});
  }
  EXPECT_TRUE(desk.profile.writes.empty());
  EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("営業", "B02", "Suzuki")), Result::Unchanged);
}

TEST_F(IdentityChangeTest, AFirstIdentityWritesTheNewFileAndDeletesNothing) {
  test::MakeFolder(desk.GroupFolder("総務"));
  desk.PutMember("", "", "Stray =00 x 1999061509000000\n");  // the files an empty identity names
  EXPECT_EQ(Change(Identity{}, At("総務", "C03", "Suzuki")), Result::Moved);
  EXPECT_EQ(Bytes(desk.StatusPath("総務", "C03")), "Suzuki C03 =00 =00\n");
  EXPECT_FALSE(test::PathExists(desk.MemoPath("総務", "C03")));
  EXPECT_TRUE(desk.prompt.shown.empty());
  EXPECT_EQ(desk.profile.writes.size(), 4u);
}

TEST_F(IdentityChangeTest, MoveCarriesEveryLineOfTheMemoFileAsItIs) {
  std::string many, huge;
  for (int i = 0; i < 105; ++i) many += "memo" + std::to_string(i) + "\n";
  for (int i = 0; i < 9999; ++i) huge += Encode("伝言" + std::to_string(i)) + "\n";
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"105 memos", many},
      {"9,999 memos", huge},
      {"lines longer than 256 bytes", std::string(1000, 'a') + "\n\n" + std::string(300, 'b') + "\n"},
      {"an unended last line", "first\nunended"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    desk.prompt.Clear();
    desk.profile.writes.clear();
    std::remove(test::NativePath(desk.MemoPath("総務", "C03")).c_str());
    std::remove(test::NativePath(desk.StatusPath("総務", "C03")).c_str());
    PutOldMember();
    test::WriteFileBytes(desk.MemoPath("営業", "B02"), c.bytes);
    EXPECT_EQ(Change(At("営業", "B02", "Suzuki"), At("総務", "C03", "Suzuki")), Result::Moved);
    EXPECT_TRUE(Bytes(desk.MemoPath("総務", "C03")) == c.bytes) << "memos lost or changed";
    EXPECT_FALSE(test::PathExists(desk.MemoPath("営業", "B02")));
    EXPECT_TRUE(desk.prompt.shown.empty());
  }
}

TEST_F(IdentityChangeTest, AHeldMemoFileIsWaitedForThenTheMoveIsRefused) {
  const std::string oldMemos = MemoFilePath(RecordFor(At("営業", "B02", "Suzuki")));
  for (const int held : {2, 3}) {  // let go within the memo retries, or not
    SCOPED_TRACE(held);
    PutOldMember();
    desk.clock.waits.clear();
    share.heldFor[oldMemos] = held;
    if (held == 2) {
      EXPECT_EQ(MoveThrough(share), Result::Moved);
      EXPECT_EQ(Bytes(desk.MemoPath("総務", "C03")), memos);
      EXPECT_EQ(Change(At("総務", "C03", "Suzuki"), At("営業", "B02", "Suzuki")), Result::Moved);
      desk.profile.writes.clear();
      continue;
    }
    EXPECT_EQ(MoveThrough(share), Result::Refused);
    EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"伝言ファイルが読み込めません"});
    EXPECT_EQ(desk.clock.waits, (std::vector<int>{500, 500, 500}));
    ExpectOldIdentityWhole(memos);
  }
}

// Another desk sends a memo to the old code as soon as the move has read
// the old memo file: it reaches the new code, or its sender is told.
TEST_F(IdentityChangeTest, AMemoSentDuringTheMoveIsNotLost) {
  PutOldMember();
  const StatusRecord oldMember = RecordFor(At("営業", "B02", "Suzuki"));
  std::unique_ptr<FileSystem> otherFiles = test::MakeRealFileSystem();
  test::FakeClock otherClock;
  test::RecordingPrompt otherPrompt;
  Platform other{*otherFiles, otherClock, otherPrompt};
  bool sent = false;
  share.afterFirstClose[MemoFilePath(oldMember)] = [&] { sent = SendMemo(other, oldMember, "late"); };
  EXPECT_EQ(MoveThrough(share), Result::Moved);
  const std::string carried = Bytes(desk.MemoPath("総務", "C03"));
  if (sent) {
    EXPECT_EQ(carried, memos + "late\n") << "the sender was told it went";
  } else {
    EXPECT_EQ(carried, memos);
    EXPECT_EQ(otherPrompt.shown.size(), 1u) << "the sender is told";
  }
}

// A second desk enters a status at the moment between reading and writing.
TEST_F(IdentityChangeTest, RenameUndoesNoStatusAndWritesOverNoneItCannotRead) {
  PutOldMember();
  const StatusRecord member = RecordFor(At("営業", "B02", "Suzuki"));
  std::unique_ptr<FileSystem> otherFiles = test::MakeRealFileSystem();
  Platform other{*otherFiles, desk.clock, desk.prompt};
  share.afterFirstClose[StatusFilePath(member)] = [&] {
    StatusRecord pressed = member;
    pressed.name = "Suzuki";
    pressed.status = "Home";
    WriteStatus(other, pressed, true);
  };
  Platform platform{share, desk.clock, desk.prompt};
  EXPECT_EQ(ChangeIdentity(platform, desk.profile, At("営業", "B02", "Suzuki"),
                           At("営業", "B02", "Sato")),
            Result::Renamed);
  StatusRecord onRecord = member;
  ASSERT_TRUE(ReadStatus(desk.platform, onRecord));
  EXPECT_EQ(onRecord.status, "Home") << "the other desk's status was undone";

  // Held through the reads, let go before a write would come.
  desk.PutMember("営業", "B02", kOldStatus);
  desk.prompt.Clear();
  desk.profile.writes.clear();
  share.heldFor[StatusFilePath(member)] = 3;
  EXPECT_EQ(ChangeIdentity(platform, desk.profile, At("営業", "B02", "Suzuki"),
                           At("営業", "B02", "Sato")),
            Result::Refused);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"状況ファイルが更新できません"});
  EXPECT_EQ(Bytes(desk.StatusPath("営業", "B02")), kOldStatus);
  EXPECT_TRUE(desk.profile.writes.empty());
}

// A profile that refuses a write (read-only, or full part way): the change
// says so once and the old identity stands, files and profile alike.
TEST_F(IdentityChangeTest, AProfileThatCannotBeWrittenKeepsTheOldIdentity) {
  const struct {
    const char* what;
    bool readOnly;
    const char* failingKey;
    Identity after;
  } cases[] = {
      {"move, read-only profile", true, "", At("総務", "C03", "Suzuki")},
      {"move, third key refused", false, "group", At("総務", "C03", "Sato")},
      {"rename, read-only profile", true, "", At("営業", "B02", "Sato")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PutOldMember();
    desk.prompt.Clear();
    desk.profile = test::MemoryProfile();
    desk.SetIdentity("Suzuki", "B02", "営業");
    desk.profile.readOnly = c.readOnly;
    if (*c.failingKey != '\0') desk.profile.failingKeys.insert(c.failingKey);
    const Identity before = At("営業", "B02", "Suzuki");
    EXPECT_EQ(Change(before, c.after), Result::Refused);
    EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"設定ファイルに書き込めません"});
    EXPECT_EQ(Bytes(desk.StatusPath("営業", "B02")), kOldStatus);
    EXPECT_EQ(Bytes(desk.MemoPath("営業", "B02")), memos);
    EXPECT_FALSE(test::PathExists(desk.StatusPath("総務", "C03")));
    EXPECT_FALSE(test::PathExists(desk.MemoPath("総務", "C03")));
    const Identity kept = ReadIdentity(desk.profile);
    EXPECT_EQ(kept.name + kept.code + kept.group, "SuzukiB02営業") << "the profile names the old identity";
  }
}

// Each file call of the move fails in turn: the move then either went
// through whole or was refused, with one message, before anything changed.
TEST_F(IdentityChangeTest, AMoveThatFailsAnywhereIsWholeOrNotAtAll) {
  for (int n = 1; n < 100; ++n) {
    SCOPED_TRACE(n);
    std::remove(test::NativePath(desk.StatusPath("総務", "C03")).c_str());
    std::remove(test::NativePath(desk.MemoPath("総務", "C03")).c_str());
    PutOldMember();
    desk.prompt.Clear();
    desk.profile.writes.clear();
    test::FaultyFileSystem faulty{*desk.files};
    faulty.failAt = n;
    const Result result = MoveThrough(faulty);
    if (faulty.calls < n) {
      EXPECT_EQ(result, Result::Moved);
      return;
    }
    SCOPED_TRACE(faulty.log[n - 1]);
    if (result == Result::Moved) {
      EXPECT_EQ(Bytes(desk.StatusPath("総務", "C03")), "Suzuki C03 =8AO=8Fo 1999061510300000\n");
      EXPECT_EQ(Bytes(desk.MemoPath("総務", "C03")), memos);
      EXPECT_EQ(desk.profile.writes.size(), 4u);
    } else {
      EXPECT_EQ(result, Result::Refused);
      EXPECT_EQ(desk.prompt.shown.size(), 1u);
      ExpectOldIdentityWhole(memos);
    }
  }
  ADD_FAILURE() << "the move never ran through";
}

}  // namespace
}  // namespace quorvel
