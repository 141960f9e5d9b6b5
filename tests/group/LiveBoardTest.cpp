#include <gtest/gtest.h>

#include "group/GroupWindow.h"
#include "group/MultiGroupWindow.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

constexpr int kLive = GroupViewWindow::kAutoRefreshCommand;

struct LiveBoardTest : test::WindowFixture<MultiGroupWindow> {
  void OpenOn(const std::string& group) {
    test::WriteFileBytes(desk.share / "QVL.gl", Encode(desk.share.Path()) + " " + Encode(group) + "\n");
    Open();
    view.ListSelect(IDC_GROUP_LIST, 0);
    window.OnCommand(IDC_GROUP_LIST, kNotifySelChange);
  }
  void Changed() { window.OnFolderChanged(); }
  void Enable(bool on) { window.OnEnabled(on); }
  std::vector<std::string>& Lines() { return view.Lines(IDC_MEMBER_LIST); }
};

TEST_F(LiveBoardTest, OffByDefaultTheListChangesOnlyWhenAsked) {
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  OpenOn("g");
  EXPECT_EQ(view.systemMenu.back(), (std::pair<int, std::string>{kLive, "自動更新"}));
  EXPECT_FALSE(view.menuChecks[kLive]);
  EXPECT_EQ(desk.folders.Watched(), "");
  desk.PutMember("g", "B02", "Jiro B02 In 1999061509301500\n");
  Changed();
  EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(LiveBoardTest, OnAChangeRefreshesQuietlyKeepingTheSelectedMember) {
  desk.PutMember("g", "B02", "Jiro B02 In 1999061509301500\n");
  OpenOn("g");
  EXPECT_TRUE(window.OnSystemCommand(kLive));
  EXPECT_TRUE(view.menuChecks[kLive]);
  EXPECT_EQ(desk.profile.ReadText("System", "AutoRefresh", ""), "1");
  EXPECT_EQ(desk.folders.Watched(), desk.GroupFolder("g"));
  view.ListSelect(IDC_MEMBER_LIST, 0);  // Jiro

  // Another desk adds a member before him and rewrites his status.
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  desk.PutMember("g", "B02", "Jiro B02 Out 1999061511450000\n");
  Changed();
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_NE(Lines()[1].find("Out (11:45)"), std::string::npos);
  EXPECT_EQ(view.ListSelection(IDC_MEMBER_LIST), 1) << "still Jiro";

  // A hundred members: the limit message only on a refresh the user asks for.
  for (int i = 0; i < 100; ++i) desk.PutMember("g", "M" + std::to_string(i), "m x In \n");
  Changed();
  EXPECT_TRUE(desk.prompt.shown.empty());
  window.OnCommand(IDC_REFRESH, kNotifyClicked);
  EXPECT_EQ(desk.prompt.shown.size(), 1u);

  EXPECT_TRUE(window.OnSystemCommand(kLive));
  EXPECT_EQ(desk.profile.ReadText("System", "AutoRefresh", ""), "0");
  EXPECT_EQ(desk.folders.Watched(), "");
}

TEST_F(LiveBoardTest, HeldBackInTheTrayAndWhileAChildRunsThenShown) {
  desk.profile.Set("System", "AutoRefresh", "1");
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  OpenOn("g");
  EXPECT_TRUE(view.menuChecks[kLive]);
  desk.PutMember("g", "B02", "Jiro B02 In 1999061509301500\n");

  Enable(false);  // a modal child opened
  Changed();
  EXPECT_EQ(Lines().size(), 1u);
  Enable(true);
  EXPECT_EQ(Lines().size(), 2u);

  window.OnCancel();  // to the tray
  desk.PutMember("g", "C03", "Saburo C03 In 1999061509301500\n");
  Changed();
  EXPECT_EQ(Lines().size(), 2u);
  window.OnActivationRequest();
  EXPECT_EQ(Lines().size(), 3u);

  window.OnDestroy();
  EXPECT_EQ(desk.folders.Watched(), "") << "the watch ends with the window";
}

TEST_F(LiveBoardTest, TheGroupWindowWatchesItsOwnGroup) {
  desk.profile.Set("System", "AutoRefresh", "1");
  desk.SetIdentity("鈴木", "B02", "営業");
  desk.PutMember("営業", "B02", "x B02 In 1999061509301500\n");
  GroupWindow window(desk.services);
  FakeView v;
  window.Attach(&v);
  window.OnInit();
  EXPECT_EQ(desk.folders.Watched(), desk.GroupFolder("営業"));
}

}  // namespace
}  // namespace quorvel
