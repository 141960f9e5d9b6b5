#include "group/GroupWindow.h"

#include <gtest/gtest.h>

#include "personal/PersonalWindow.h"
#include "personal/SettingsDialog.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

struct GroupWindowTest : test::WindowFixture<GroupWindow> {
  std::vector<std::string>& Lines() { return view.Lines(IDC_MEMBER_LIST); }
};

TEST_F(GroupWindowTest, WithoutACodeItOpensEmptyAndACancelledSettingsStillRefreshes) {
  desk.SetIdentity("鈴木", "", "営業");
  desk.PutMember("営業", "A01", "x A01 In 1999061509301500\n");
  Open();
  EXPECT_EQ(view.texts[IDC_SHOWN_GROUP], "営業");
  EXPECT_TRUE(Lines().empty());
  window.OnCommand(IDC_OWN_SETTINGS, kNotifyClicked);  // cancelled by the runner
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].substr(Lines()[0].size() - 16), "In (06/15 09:30)");
}

// Nothing is listed yet when the tray restore comes: it still lists the
// member's own group, as the refresh button does.
TEST_F(GroupWindowTest, WithoutACodeTheTrayRestoreListsTheOwnGroup) {
  desk.SetIdentity("鈴木", "", "営業");
  desk.PutMember("営業", "A01", "x A01 In 1999061509301500\n");
  Open();
  ASSERT_TRUE(Lines().empty());
  window.OnCommand(kIdCancel, kNotifyClicked);  // "アイコン化"
  ASSERT_TRUE(window.Iconised());
  window.OnTrayMessage(kMouseLeftDown);
  EXPECT_FALSE(window.Iconised());
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].substr(Lines()[0].size() - 16), "In (06/15 09:30)");
}

TEST_F(GroupWindowTest, OwnInputMayNotIconiseAndProxyInputIsForTheSelectedMember) {
  desk.SetIdentity("鈴木", "B02", "営業");
  desk.PutMember("営業", "A01", "x A01 In 1999061509301500\n");
  std::vector<std::pair<bool, std::string>> runs;  // proxy input?, code
  desk.runner.On(PersonalWindow::kTemplateId, [&](Dialog& d, FakeView& v) {
    auto& personal = dynamic_cast<PersonalWindow&>(d);
    runs.push_back({personal.ProxyInput(), personal.Member().code});
    if (!personal.ProxyInput()) {
      EXPECT_FALSE(v.IsEnabled(IDC_PANEL_ICONISE));
    }
  });
  Open();
  window.OnCommand(IDC_GROUP_PROXY_INPUT, kNotifyClicked);  // nothing selected
  window.OnCommand(IDC_OWN_INPUT, kNotifyClicked);
  view.ListSelect(IDC_MEMBER_LIST, 0);
  window.OnCommand(IDC_GROUP_PROXY_INPUT, kNotifyClicked);
  EXPECT_EQ(runs, (std::vector<std::pair<bool, std::string>>{{false, "B02"}, {true, "A01"}}));
}

}  // namespace
}  // namespace quorvel
