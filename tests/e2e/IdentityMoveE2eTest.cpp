// A move to another group loses no memo: a memo file past the 99 that a
// list shows goes along whole, and one that another process holds keeps
// the member where they were until it is let go.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "store/TextCodec.h"
#include "tests/e2e/Board.h"

namespace quorvel::e2e {
namespace {

const char kPersonalTitle[] = "Quorvelパーソナル";

class IdentityMove : public BoardTest {
 protected:
  void SetUp() override {
    BoardTest::SetUp();
    AddGroup("営業");
    AddGroup("開発");
    AddMember("営業", "B02", "鈴木", "外出", "2026120910300000");
    for (int i = 0; i < 105; ++i) memos_ += Encode("伝言" + std::to_string(i)) + "\n";
    test::WriteFileBytes(MemoPath("営業", "B02"), memos_);
    WriteGroupList({"営業"});
    SetIdentity("鈴木", "B02", "営業");
  }
  // "設定変更", the group typed, OK.
  void MoveTo(HWND personal, const std::string& group) {
    Press(personal, IDC_PERSONAL_SETTINGS);
    HWND settings = WaitWindow("Quorvel 設定");
    ASSERT_NE(settings, nullptr);
    SetControlText(settings, IDC_SETTINGS_GROUP, group);
    ASSERT_TRUE(PressToClose(settings, IDOK));
  }

  std::string memos_;
};

TEST_F(IdentityMove, AHundredAndFiveMemosGoAlongWhole) {
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = RunFromChooser(program, &board, &chooser, IDC_CHOOSE_PERSONAL, kPersonalTitle);
  ASSERT_NE(personal, nullptr);
  MoveTo(personal, "開発");
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(personal, IDC_PANEL_GROUP) == "開発"; }));
  EXPECT_TRUE(NoMessageBox(program.Id(), 500)) << "no limit message: nothing is left out";
  EXPECT_TRUE(test::ReadFileBytes(MemoPath("開発", "B02")) == memos_) << "memos lost";
  EXPECT_FALSE(test::PathExists(MemoPath("営業", "B02")));
  CloseThroughChooser(program, board, chooser, personal);
}

TEST_F(IdentityMove, AMemoFileHeldByAnotherProcessKeepsTheMemberWhereTheyWere) {
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = RunFromChooser(program, &board, &chooser, IDC_CHOOSE_PERSONAL, kPersonalTitle);
  ASSERT_NE(personal, nullptr);
  HANDLE held = CreateFileA(MemoPath("営業", "B02").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  MoveTo(personal, "開発");
  MessageBoxWindow box = WaitMessageBox(program.Id());
  EXPECT_EQ(box.text, "伝言ファイルが読み込めません");
  Answer(box, IDOK);
  CloseHandle(held);
  EXPECT_EQ(ControlText(personal, IDC_PANEL_GROUP), "営業");
  EXPECT_EQ(ProfileText("Personal", "Group"), "営業");
  EXPECT_TRUE(test::ReadFileBytes(MemoPath("営業", "B02")) == memos_) << "memos lost";
  EXPECT_EQ(test::ReadFileBytes(StatusPath("営業", "B02")),
            StatusLine("鈴木", "B02", "外出", "2026120910300000"));
  EXPECT_FALSE(test::PathExists(StatusPath("開発", "B02")));
  EXPECT_FALSE(test::PathExists(MemoPath("開発", "B02")));

  // Let go: the same move now carries every memo.
  MoveTo(personal, "開発");
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(personal, IDC_PANEL_GROUP) == "開発"; }));
  EXPECT_TRUE(test::ReadFileBytes(MemoPath("開発", "B02")) == memos_) << "memos lost";
  CloseThroughChooser(program, board, chooser, personal);
}

}  // namespace
}  // namespace quorvel::e2e
