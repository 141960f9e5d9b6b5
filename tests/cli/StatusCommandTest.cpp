#include "cli/StatusCommand.h"

#include <gtest/gtest.h>

#include "tests/support/Desk.h"

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
      {{"25", "15時戻り"}, Command::Press, 25, "15時戻り", false},  // above 21, as OnExit allows
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

}  // namespace
}  // namespace quorvel
