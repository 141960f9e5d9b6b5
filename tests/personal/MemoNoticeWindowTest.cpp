#include <gtest/gtest.h>

#include "personal/PersonalWindow.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

constexpr int kNotice = PersonalWindow::kMemoNoticeCommand;

struct MemoNoticeWindowTest : test::WindowFixture<PersonalWindow> {
  MemoNoticeWindowTest() {
    desk.SeatDesk();
  }
  void Memos(const std::string& bytes) { test::WriteFileBytes(desk.MemoPath("営業", "B02"), bytes); }
  // What the folder watch posts after a change in the group folder.
  void FolderChanged() {
    window.OnFolderChanged();
  }
  std::string Caption() { return view.texts[IDC_PANEL_CHECK_MEMOS]; }
};

TEST_F(MemoNoticeWindowTest, TheCommandTurnsTheNoticeOnAndOffAndTheProfileKeepsIt) {
  Memos("a\nb\n");
  Open();
  ASSERT_EQ(view.systemMenu.back(), (std::pair<int, std::string>{kNotice, "伝言の通知"}));
  EXPECT_FALSE(view.menuChecks[kNotice]);
  EXPECT_EQ(Caption(), "伝言を確認") << "off: no count";
  EXPECT_EQ(desk.folders.started, 0) << "off: nothing watched";

  EXPECT_TRUE(window.OnSystemCommand(kNotice));
  EXPECT_TRUE(view.menuChecks[kNotice]);
  EXPECT_EQ(desk.profile.ReadText("Personal", "MemoNotice"), "1");
  EXPECT_EQ(desk.folders.Watched(), desk.GroupFolder("営業"));
  EXPECT_EQ(Caption(), "伝言を確認 (2)");

  window.OnSystemCommand(kNotice);
  EXPECT_FALSE(view.menuChecks[kNotice]);
  EXPECT_EQ(desk.profile.ReadText("Personal", "MemoNotice"), "0");
  EXPECT_EQ(desk.folders.Watched(), "");
  EXPECT_EQ(Caption(), "伝言を確認");

  // The next opening starts as the profile says.
  desk.profile.Set("Personal", "MemoNotice", "1");
  PersonalWindow again(desk.services);
  FakeView againView;
  again.Attach(&againView);
  again.OnInit();
  EXPECT_TRUE(againView.menuChecks[kNotice]);
  EXPECT_EQ(againView.texts[IDC_PANEL_CHECK_MEMOS], "伝言を確認 (2)");
  again.OnDestroy();
  EXPECT_EQ(desk.folders.Watched(), "") << "the watch ends with the window";
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(MemoNoticeWindowTest, AGrowingCountIsSignalledByWhereTheWindowIsAndAFallingOneNot) {
  desk.profile.Set("Personal", "MemoNotice", "1");
  Open();
  EXPECT_EQ(Caption(), "伝言を確認");

  // Shown and active: the caption says it, nothing more.
  Memos("a\n");
  FolderChanged();
  EXPECT_EQ(Caption(), "伝言を確認 (1)");
  EXPECT_EQ(view.flashes, 0);

  // Shown but another window active: the taskbar button flashes.
  view.active = false;
  Memos("a\nb\n");
  FolderChanged();
  EXPECT_EQ(Caption(), "伝言を確認 (2)");
  EXPECT_EQ(view.flashes, 1);
  EXPECT_TRUE(view.balloons.empty());
  EXPECT_EQ(view.foregroundCalls, 0) << "the focus stays where it is";

  // A status written in the same folder changes no count: no cue.
  FolderChanged();
  EXPECT_EQ(view.flashes, 1);

  // In the tray: the balloon.
  window.OnCommand(IDC_PANEL_ICONISE, kNotifyClicked);
  ASSERT_TRUE(window.Iconised());
  Memos("a\nb\nc\n");
  FolderChanged();
  ASSERT_EQ(view.balloons.size(), 1u);
  EXPECT_EQ(view.balloons[0].first, "伝言が届きました");
  EXPECT_EQ(view.balloons[0].second, "伝言が 3 件あります");

  // Falling, or gone: neither.
  Memos("c\n");
  FolderChanged();
  EXPECT_EQ(Caption(), "伝言を確認 (1)");
  Memos("");
  FolderChanged();
  EXPECT_EQ(Caption(), "伝言を確認");
  EXPECT_EQ(view.balloons.size(), 1u);
  EXPECT_EQ(view.flashes, 1);
  EXPECT_TRUE(desk.prompt.shown.empty()) << "never a message box";
}

TEST_F(MemoNoticeWindowTest, TheCountIsReadAgainAfterTheBoardAndAfterAMove) {
  desk.profile.Set("Personal", "MemoNotice", "1");
  Memos("a\nb\n");
  Open();
  EXPECT_EQ(Caption(), "伝言を確認 (2)");
  // The board deleted one; the folder watch may not have told us yet.
  desk.runner.On(IDD_MESSAGE_BOARD, [&](Dialog&, FakeView&) { Memos("b\n"); });
  window.OnCommand(IDC_PANEL_CHECK_MEMOS, kNotifyClicked);
  EXPECT_EQ(Caption(), "伝言を確認 (1)");

  // A move to another group takes the memos along and the watch with them.
  desk.runner.On(IDD_SETTINGS, [&](Dialog& d, FakeView& v) {
    v.texts[IDC_SETTINGS_GROUP] = "総務";
    d.OnCommand(kIdOk, kNotifyClicked);
  });
  test::MakeFolder(desk.GroupFolder("総務"));
  window.OnCommand(PersonalWindow::kSettingsId, kNotifyClicked);
  ASSERT_EQ(window.Member().group, "総務") << desk.prompt.Texts().size();
  EXPECT_EQ(desk.folders.Watched(), desk.GroupFolder("総務"));
  EXPECT_EQ(Caption(), "伝言を確認 (1)");
}

TEST_F(MemoNoticeWindowTest, AProxyWindowHasNoNotice) {
  desk.profile.Set("Personal", "MemoNotice", "1");
  window.SetRequest({{"y", "A01", "営業", desk.share.Path()}, true, true});
  Open();
  for (const auto& item : view.systemMenu) EXPECT_NE(item.first, kNotice);
  EXPECT_EQ(desk.folders.started, 0);
  EXPECT_FALSE(window.OnSystemCommand(kNotice));
}

}  // namespace
}  // namespace quorvel
