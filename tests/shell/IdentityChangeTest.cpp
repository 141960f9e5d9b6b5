#include "shell/IdentityChange.h"

#include <gtest/gtest.h>

#include "tests/support/Desk.h"

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
    desk.PutMember("営業", "B02", "Suzuki B02 =8AO=8Fo 1999061510300000\n");  // 外出
    test::WriteFileBytes(desk.MemoPath("営業", "B02"), memos);
    test::MakeFolder(desk.GroupFolder("総務"));
  }
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

}  // namespace
}  // namespace quorvel
