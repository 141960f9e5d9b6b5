#include <gtest/gtest.h>

#include "cli/StatusCommand.h"
#include "tests/support/Desk.h"

namespace quorvel {
namespace {

struct MemosCommandTest : ::testing::Test {
  test::Desk desk;
  StringOut out, err;
  int Run(const std::vector<std::string>& args) {
    out.text.clear();
    err.text.clear();
    return RunStatusCommand(ParseStatusArguments(args), desk.platform, desk.profile, out, err);
  }
};

TEST_F(MemosCommandTest, PrintsTheOwnMemosInFileOrderAndNothingWithoutAFile) {
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

TEST_F(MemosCommandTest, AFileThatCannotBeReadIsAStoreFailure) {
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
