#include "cli/StatusCommand.h"

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/Desk.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "platform/posix/PosixFileSystem.h"
#endif

namespace quorvel {
namespace {

using Command = StatusArguments::Command;

TEST(StatusArguments, WhatEachCommandLineMeans) {
  const struct {
    std::vector<std::string> args;
    Command command;
    int button;
    const char* remark;
    bool bad;
  } cases[] = {
      {{}, Command::Show, 0, "", false},
      {{"4"}, Command::Press, 4, "", false},
      {{"21", "15時戻り"}, Command::Press, 21, "15時戻り", false},
      {{"004"}, Command::Press, 4, "", false},
      {{"22"}, Command::Show, 0, "", true},
      {{"999999999", "x"}, Command::Show, 0, "", true},
      {{"99999999999999999999"}, Command::Show, 0, "", true},  // no overflow, no throw
      {{"４"}, Command::Show, 0, "", true},
      {{"4", "15時\n戻り"}, Command::Show, 0, "", true},  // would break a line of --list
      {{"4", "a\tb"}, Command::Show, 0, "", true},
      {{"4", "a\x7f"}, Command::Show, 0, "", true},
      {{"--profile", "p.ini", "--list"}, Command::List, 0, "", false},
      {{"3", "--help"}, Command::Help, 0, "", false},
      {{"0"}, Command::Press, 0, "", true},
      {{"4x"}, Command::Show, 0, "", true},
      {{"1234567890"}, Command::Show, 0, "", true},  // no overflow, no press
      {{"4", "a", "b"}, Command::Show, 0, "", true},
      {{"--list", "4"}, Command::List, 0, "", true},
      {{"--bogus"}, Command::Show, 0, "", true},
      {{"--profile"}, Command::Show, 0, "", true},
  };
  for (const auto& c : cases) {
    const StatusArguments a = ParseStatusArguments(c.args);
    const std::string what = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(!a.error.empty(), c.bad) << what;
    if (c.bad) continue;
    EXPECT_EQ(a.command, c.command) << what;
    EXPECT_EQ(a.button, c.button) << what;
    EXPECT_EQ(a.remark, c.remark) << what;
  }
  EXPECT_EQ(ParseStatusArguments({"--profile", "p.ini"}).profile, "p.ini");
  EXPECT_EQ(ParseStatusArguments({"1", std::string(33, 'x')}).error,
            "32 文字以内で入力してください。\n");
}

struct StatusCommandTest : ::testing::Test {
  test::Desk desk;
  StringOut out, err;
  int Run(const std::vector<std::string>& args) {
    out.text.clear();
    err.text.clear();
    return RunStatusCommand(ParseStatusArguments(args), desk.platform, desk.profile, out, err);
  }
};

TEST_F(StatusCommandTest, PressShowAndListForTheProfilesOwnMember) {
  desk.SetIdentity("鈴木", "B02", "営業");
  test::MakeFolder(desk.GroupFolder("営業"));
  desk.profile.Set("Button", "Button4", "外出");
  desk.clock.now = {2026, 12, 9, 14, 5, 0};
  EXPECT_EQ(Run({"4", "15時戻り"}), kStatusDone);
  EXPECT_EQ(out.text, "外出 15時戻り (14:05)\n");
  EXPECT_EQ(Run({}), kStatusDone);
  EXPECT_EQ(out.text, "外出 15時戻り (12/09 14:05)\n");
  desk.PutMember("営業", "A01", "Yamada A01 In 2026120908000000\n");
  EXPECT_EQ(Run({"--list"}), kStatusDone);
  EXPECT_EQ(out.text, "Yamada           A01              In (12/09 08:00)\n"
                       "鈴木             B02              外出 15時戻り (12/09 14:05)\n");
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(StatusCommandTest, FailuresSayWhyAndExitWithTheirCodes) {
  EXPECT_EQ(Run({"4"}), kStatusRefused) << "no identity";
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"サーバ名が設定されていません"});
  desk.SetIdentity("鈴木", "B02", "営業");  // the group folder is missing
  desk.prompt.Clear();
  EXPECT_EQ(Run({"4"}), kStatusRefused);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"状況ファイルが作成できません"});
  EXPECT_EQ(Run({}), kStatusRefused);
  EXPECT_EQ(err.text, "状況ファイルが読めません\n");
  EXPECT_EQ(Run({"x"}), kStatusBadUsage);
  EXPECT_EQ(err.text, kStatusUsage);
  EXPECT_TRUE(out.text.empty());
}

TEST_F(StatusCommandTest, ListOfAGroupFolderThatCannotBeSearchedIsRefused) {
  desk.SetIdentity("鈴木", "B02", "営業");
  test::WriteFileBytes(desk.GroupFolder("営業"), "a file where the folder should be");
  const std::string tooLong = desk.share.Path() + "\\" + std::string(300, 'x');
  for (const std::string& server : {desk.share.Path(), tooLong, desk.share / "missing"}) {
    desk.profile.Set("System", "ServerName", server);
    desk.prompt.Clear();
    EXPECT_EQ(Run({"--list"}), kStatusRefused) << server.size();
    EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"グループフォルダが見つかりません"});
    EXPECT_TRUE(out.text.empty());
  }
}

#ifndef _WIN32
TEST_F(StatusCommandTest, ListPassesOverAPipeNamedLikeAStatusFile) {
  desk.SetIdentity("鈴木", "B02", "営業");
  desk.PutMember("営業", "A01", "Yamada A01 In 2026120908000000\n");
  ASSERT_EQ(::mkfifo(ToPosixPath(desk.StatusPath("営業", "x")).c_str(), 0666), 0);
  test::Deadline deadline(std::chrono::seconds(10), "--list beside a pipe");
  EXPECT_EQ(Run({"--list"}), kStatusDone);
  EXPECT_EQ(out.text, "Yamada           A01              In (12/09 08:00)\n");
}
#endif

TEST_F(StatusCommandTest, MemosPrintsTheOwnMemosInFileOrderAndNothingWithoutAFile) {
  desk.SetIdentity("鈴木", "B02", "営業");
  test::MakeFolder(desk.GroupFolder("営業"));
  EXPECT_EQ(Run({"--memos"}), kStatusDone);
  EXPECT_EQ(out.text, "");
  test::WriteFileBytes(desk.MemoPath("営業", "B02"),
                       Encode("田中: 折り返し電話を") + "\n\n" + Encode("会議 15時") + "\n");
  EXPECT_EQ(Run({"--profile", "p.ini", "--memos"}), kStatusDone);
  EXPECT_EQ(out.text, "田中: 折り返し電話を\n会議 15時\n");
  EXPECT_TRUE(err.text.empty());
  EXPECT_TRUE(desk.prompt.shown.empty());
  EXPECT_NE(std::string(kStatusUsage).find("--memos"), std::string::npos);
}

TEST_F(StatusCommandTest, MemosAFileThatCannotBeReadIsAStoreFailure) {
  EXPECT_EQ(Run({"--memos"}), kStatusRefused) << "no identity";
  desk.SetIdentity("鈴木", "B02", "営業");
  test::MakeFolder(desk.GroupFolder("営業"));
  test::MakeFolder(desk.MemoPath("営業", "B02"));  // a folder where the file belongs
  EXPECT_EQ(Run({"--memos"}), kStatusRefused);
  EXPECT_EQ(err.text, "伝言ファイルが読めません\n");
  EXPECT_EQ(out.text, "");
  EXPECT_EQ(Run({"--memos", "--list"}), kStatusBadUsage);
  EXPECT_EQ(Run({"--memos", "3"}), kStatusBadUsage);
}

}  // namespace
}  // namespace quorvel
