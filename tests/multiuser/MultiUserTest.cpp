#include <gtest/gtest.h>

#include <cstdio>

#include "multiuser/MultiUserWindow.h"
#include "multiuser/UserEditDialog.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

struct MultiUserTest : test::WindowFixture<MultiUserWindow> {
  const std::string longCode = std::string(24, 'L');  // the user list takes 24 bytes

  void AddUser(int slot, const std::string& code, const std::string& name) {
    char n[3];
    std::snprintf(n, sizeof n, "%02d", slot);
    desk.profile.Set("Users", std::string("Server") + n, desk.share.Path());
    desk.profile.Set("Users", std::string("Group") + n, "営業");
    desk.profile.Set("Users", std::string("Code") + n, code);
    desk.profile.Set("Users", std::string("Name") + n, name);
  }
  void Choose(MultiUserWindow& window, int index) {
    view.ListSelect(MultiUserWindow::kUserListId, index);
    window.OnCommand(MultiUserWindow::kUserListId, kNotifySelChange);
  }
};

TEST_F(MultiUserTest, TheChosenUsersStatusAndNeverThePreviousOnes) {
  AddUser(2, "A01", "山田");
  AddUser(5, longCode, "長井");
  desk.PutMember("営業", "A01", "x A01 In 1999120809153000\n");
  view.controlRects[MultiUserWindow::kUserListId] = {10, 10, 150, 40};
  Open();
  EXPECT_EQ(view.Lines(MultiUserWindow::kUserListId), (std::vector<std::string>{"山田", "長井"}));
  EXPECT_EQ(view.controlRects[MultiUserWindow::kUserListId].bottom, 140);
  EXPECT_FALSE(view.IsEnabled(IDC_STATUS_BUTTON1));

  Choose(window, 0);
  EXPECT_EQ(view.texts[IDC_PANEL_LAST_UPDATE], "12/08 09:15");
  EXPECT_TRUE(view.IsEnabled(IDC_STATUS_BUTTON1));
  view.texts[IDC_PANEL_REMARK] = "typed";
  Choose(window, 1);  // no status file yet
  EXPECT_EQ(view.texts[IDC_PANEL_STATUS], "");
  EXPECT_EQ(view.texts[IDC_PANEL_LAST_UPDATE], "");
  EXPECT_EQ(view.texts[IDC_PANEL_REMARK], "typed");

  // A press for a user with a 24-byte code writes, with no length message.
  window.OnCommand(IDC_STATUS_BUTTON3, kNotifyClicked);
  EXPECT_TRUE(desk.prompt.shown.empty());
  EXPECT_TRUE(test::PathExists(desk.StatusPath("営業", longCode)));
  EXPECT_EQ(window.StatusText(), "項目3 typed");
}

TEST_F(MultiUserTest, DisappearAsksBeforeWaitingMemosGo) {
  AddUser(1, "A01", "山田");
  desk.PutMember("営業", "A01", "x A01 In 1999120809153000\n");
  test::WriteFileBytes(desk.MemoPath("営業", "A01"), "memo\n");
  Open();
  Choose(window, 0);
  desk.prompt.answers = {false};
  window.OnCommand(IDC_PANEL_DISAPPEAR, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"伝言が残っています。削除してよいですか？"});
  EXPECT_FALSE(test::PathExists(desk.StatusPath("営業", "A01")));
  EXPECT_EQ(test::ReadFileBytes(desk.MemoPath("営業", "A01")), "memo\n");
  EXPECT_EQ(view.texts[IDC_PANEL_STATUS], "");
  EXPECT_EQ(view.texts[IDC_PANEL_LAST_UPDATE], "12/08 09:15") << "kept on this desk";
}

TEST_F(MultiUserTest, AddingChecksInItsOrderAndCaseCounts) {
  UserList full;
  for (int i = 0; i < 20; ++i)
    full.users.push_back({"n" + std::to_string(i), "c" + std::to_string(i), "g", "s"});
  UserEditDialog dialog(desk.services, full);
  dialog.Attach(&view);
  dialog.OnInit();
  const auto add = [&](const char* server, const char* group, const char* code, const char* name) {
    view.texts[IDC_USER_EDIT_SERVER] = server;
    view.texts[IDC_USER_EDIT_GROUP] = group;
    view.texts[IDC_USER_EDIT_CODE] = code;
    view.texts[IDC_USER_EDIT_NAME] = name;
    desk.prompt.Clear();
    return dialog.Add();
  };
  EXPECT_FALSE(add("s", "", "x", "y"));
  EXPECT_EQ(desk.prompt.Texts().at(0), "サーバ名、グループを正しく入力して下さい");
  EXPECT_FALSE(add("s", "g", "x", ""));
  EXPECT_EQ(desk.prompt.Texts().at(0), "コード、氏名を正しく入力して下さい");
  EXPECT_FALSE(add("s", "g", "c3", "other name"));
  EXPECT_EQ(desk.prompt.Texts().at(0), "既に登録されているユーザーです") << "even when full";
  EXPECT_FALSE(add("s", "g", "C3", "y"));
  EXPECT_EQ(desk.prompt.Texts().at(0), "登録できる最大のユーザー数を越えます");

  // A dropped file without a name adds nothing, and says nothing.
  const std::string dropped = desk.share / "p.ini";
  desk.profile.foreign[dropped][test::MemoryProfile::Key("Personal", "MyCode")] = "Z9";
  desk.prompt.Clear();
  dialog.HandleDroppedFile({dropped});
  EXPECT_TRUE(desk.prompt.shown.empty());
  EXPECT_EQ(dialog.Users().users.size(), 20u);
}

TEST_F(MultiUserTest, ADroppedProfileAddsTheUserWithBoxesFilledToTheirLimits) {
  const std::string dropped = desk.share / "p.ini";
  MemberAddress full;
  full.serverName = std::string(128, 's');
  full.group = std::string(24, 'g');
  full.code = longCode;
  full.name = "山田山田山田山田";
  auto& file = desk.profile.foreign[dropped];
  file[test::MemoryProfile::Key("System", "ServerName")] = full.serverName;
  file[test::MemoryProfile::Key("Personal", "Group")] = full.group;
  file[test::MemoryProfile::Key("Personal", "MyCode")] = full.code;
  file[test::MemoryProfile::Key("Personal", "MyName")] = full.name;
  UserEditDialog dialog(desk.services, UserList());
  dialog.Attach(&view);
  dialog.OnInit();
  dialog.HandleDroppedFile({dropped});
  EXPECT_TRUE(desk.prompt.shown.empty());
  const UserList users = dialog.Users();
  ASSERT_EQ(users.users.size(), 1u);
  const MemberAddress& added = users.users[0];
  EXPECT_EQ(added.serverName, full.serverName);
  EXPECT_EQ(added.group, full.group);
  EXPECT_EQ(added.code, full.code);
  EXPECT_EQ(added.name, full.name);
}

TEST_F(MultiUserTest, OkRewritesEverySlotAndChoosesNobody) {
  AddUser(3, "A01", "山田");
  Open();
  Choose(window, 0);
  desk.runner.On(UserEditDialog::kTemplateId, [](Dialog& d, FakeView& v) {
    v.texts[IDC_USER_EDIT_SERVER] = "s";
    v.texts[IDC_USER_EDIT_GROUP] = "g";
    v.texts[IDC_USER_EDIT_CODE] = "a01";  // differs from A01 only in case
    v.texts[IDC_USER_EDIT_NAME] = "n";
    EXPECT_TRUE(dynamic_cast<UserEditDialog&>(d).Add());
    d.OnCommand(kIdOk, kNotifyClicked);
  });
  window.OnCommand(IDC_MULTIUSER_USERS, kNotifyClicked);
  EXPECT_EQ(desk.profile.writes.size(), 80u);
  EXPECT_EQ(desk.profile.ReadText("Users", "Name01", "?"), "山田");
  EXPECT_EQ(desk.profile.ReadText("Users", "Code02", "?"), "a01");
  EXPECT_EQ(desk.profile.ReadText("Users", "Name03", "?"), "") << "the old slot is emptied";
  EXPECT_EQ(view.ListSelection(MultiUserWindow::kUserListId), -1);
  EXPECT_EQ(window.Member().code, "");
  EXPECT_FALSE(view.IsEnabled(IDC_PANEL_DISAPPEAR));
}

TEST_F(MultiUserTest, AUserListThatCannotBeSavedIsSaidOnce) {
  Open();
  desk.profile.readOnly = true;
  desk.runner.On(UserEditDialog::kTemplateId, [](Dialog& d, FakeView& v) {
    v.texts[IDC_USER_EDIT_SERVER] = "s";
    v.texts[IDC_USER_EDIT_GROUP] = "g";
    v.texts[IDC_USER_EDIT_CODE] = "c";
    v.texts[IDC_USER_EDIT_NAME] = "n";
    EXPECT_TRUE(dynamic_cast<UserEditDialog&>(d).Add());
    d.OnCommand(kIdOk, kNotifyClicked);
  });
  window.OnCommand(IDC_MULTIUSER_USERS, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"設定ファイルに書き込めません"});
  EXPECT_EQ(view.Lines(MultiUserWindow::kUserListId), std::vector<std::string>{"n"});
}

}  // namespace
}  // namespace quorvel
