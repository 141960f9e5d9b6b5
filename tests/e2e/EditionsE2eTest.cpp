// The group and multi-user editions as a user meets them, run from the
// edition chooser of the real program.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "store/TextCodec.h"
#include "tests/e2e/Board.h"

namespace quorvel::e2e {
namespace {

void ChooseComboItem(HWND dialog, int comboId, int index) {
  HWND combo = GetDlgItem(dialog, comboId);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

using Editions = BoardTest;

TEST_F(Editions, GroupWindowWithOwnInputAndAMove) {
  AddGroup("営業");
  AddGroup("総務");
  AddMember("営業", "A01", "山田", "在席", "2026120908000000");
  AddMember("営業", "B02", "鈴木", "外出", "2026120910300000");
  WriteGroupList({"営業"});
  SetIdentity("鈴木", "B02", "営業");
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND group = RunFromChooser(program, &board, &chooser, IDC_CHOOSE_GROUP, "Quorvelグループ");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(ControlText(group, IDC_SHOWN_GROUP), "営業");
  EXPECT_EQ(ListLines(group, IDC_MEMBER_LIST),
            (std::vector<std::string>{
                Padded("山田", 16) + " " + Padded("A01", 16) + " 在席 (12/09 08:00)",
                Padded("鈴木", 16) + " " + Padded("B02", 16) + " 外出 (12/09 10:30)",
            }));
  SaveShot("group");

  Press(group, IDC_OWN_INPUT);
  HWND personal = WaitWindow("Quorvelパーソナル");
  ASSERT_NE(personal, nullptr);
  EXPECT_FALSE(ControlEnabled(personal, IDC_PANEL_ICONISE)) << "own input may not go to the tray";
  Press(personal, IDC_STATUS_BUTTON1);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(personal, IDC_PANEL_STATUS) == "項目1 "; }));
  ASSERT_TRUE(PressToClose(personal, IDCANCEL));
  ASSERT_TRUE(WaitUntil(5000, [&] {
    const auto lines = ListLines(group, IDC_MEMBER_LIST);
    return lines.size() == 2 && lines[1].find(" 項目1  (") != std::string::npos;
  })) << "the list is refreshed when the own input closes";

  Press(group, IDC_OWN_SETTINGS);
  HWND settings = WaitWindow("Quorvel 設定");
  ASSERT_NE(settings, nullptr);
  SetControlText(settings, IDC_SETTINGS_GROUP, "総務");
  ASSERT_TRUE(PressToClose(settings, IDOK));
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(group, IDC_SHOWN_GROUP) == "総務"; }));
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(group, IDC_MEMBER_LIST).size() == 1; }));
  EXPECT_EQ(ListLines(group, IDC_MEMBER_LIST)[0].substr(0, 33), Padded("鈴木", 16) + " " + Padded("B02", 16));
  EXPECT_FALSE(test::PathExists(StatusPath("営業", "B02")));
  EXPECT_TRUE(test::PathExists(StatusPath("総務", "B02")));
  EXPECT_EQ(ProfileText("Personal", "Group"), "総務");
  CloseThroughChooser(program, board, chooser, group, IDC_CLOSE_WINDOW);
}

TEST_F(Editions, MultiUserDeskChoosesAUserPressesAStatusAndSavesItsUsers) {
  AddGroup("営業");
  AddMember("営業", "A01", "山田", "在席", "2026120908000000");
  // Only slot 02 is filled: the list closes up.
  const std::string profile = ProfilePath();
  WritePrivateProfileStringA("Users", "Server02", share_.c_str(), profile.c_str());
  WritePrivateProfileStringA("Users", "Group02", "営業", profile.c_str());
  WritePrivateProfileStringA("Users", "Code02", "A01", profile.c_str());
  WritePrivateProfileStringA("Users", "Name02", "山田", profile.c_str());
  WriteGroupList({"営業"});
  const std::string dropped = work_ / "sato.ini";
  test::WriteFileBytes(dropped, "[System]\r\nServerName=" + share_ +
                                    "\r\n[Personal]\r\nGroup=営業\r\nMyCode=C03\r\nMyName=佐藤\r\n");
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND desk = RunFromChooser(program, &board, &chooser, IDC_CHOOSE_MULTIUSER, "Quorvelマルチユーザー");
  ASSERT_NE(desk, nullptr);
  HWND combo = GetDlgItem(desk, IDC_MULTIUSER_USER);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
  RECT dropped_rect = {};
  SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped_rect));
  EXPECT_GE(dropped_rect.bottom - dropped_rect.top, 100) << "the drop-down is 100 pixels taller";
  for (int id : {IDC_STATUS_BUTTON1, IDC_STATUS_BUTTON21, IDC_PANEL_CHECK_MEMOS, IDC_PANEL_GROUP_LIST, IDC_PANEL_DISAPPEAR}) EXPECT_FALSE(ControlEnabled(desk, id)) << id;

  ChooseComboItem(desk, IDC_MULTIUSER_USER, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(desk, IDC_PANEL_CODE) == "A01"; }));
  EXPECT_EQ(ControlText(desk, IDC_PANEL_STATUS), "在席");
  EXPECT_EQ(ControlText(desk, IDC_PANEL_LAST_UPDATE), "12/09 08:00");
  EXPECT_TRUE(ControlEnabled(desk, IDC_STATUS_BUTTON1));
  SetControlText(desk, IDC_PANEL_REMARK, "10分で戻ります");
  Press(desk, IDC_STATUS_BUTTON2);
  ASSERT_TRUE(
      WaitUntil(5000, [&] { return ControlText(desk, IDC_PANEL_STATUS) == "項目2 10分で戻ります"; }));
  const std::vector<std::string> tokens = StatusTokens(StatusPath("営業", "A01"));
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0], "山田");
  EXPECT_EQ(tokens[2], "項目2 10分で戻ります");
  EXPECT_TRUE(IsStamp(tokens[3]));
  SaveShot("multiuser");

  Press(desk, IDC_MULTIUSER_USERS);
  HWND users = WaitWindow("Quorvel ユーザー編集");
  ASSERT_NE(users, nullptr);
  ASSERT_EQ(ListLines(users, IDC_USER_EDIT_LIST).size(), 3u);
  EXPECT_EQ(ListLines(users, IDC_USER_EDIT_LIST)[0], "氏名             | コード           | グループ");
  EXPECT_EQ(ListLines(users, IDC_USER_EDIT_LIST)[2], Padded("山田", 16) + " | " + Padded("A01", 16) + " | 営業");
  SetControlText(users, IDC_USER_EDIT_SERVER, share_);
  SetControlText(users, IDC_USER_EDIT_GROUP, "営業");
  SetControlText(users, IDC_USER_EDIT_CODE, "B02");
  SetControlText(users, IDC_USER_EDIT_NAME, "鈴木");
  Press(users, IDC_USER_EDIT_ADD);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(users, IDC_USER_EDIT_LIST).size() == 4; }));
  ASSERT_TRUE(DropFiles(program.Id(), users, {WindowsPath(dropped)}));
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(users, IDC_USER_EDIT_LIST).size() == 5; }));
  EXPECT_EQ(ControlText(users, IDC_USER_EDIT_NAME), "佐藤");
  Settle(users);
  SaveShot("user-edit");
  ASSERT_TRUE(PressToClose(users, IDOK));
  // The list is refilled once the section is written.
  ASSERT_TRUE(WaitUntil(5000, [&] { return SendMessageW(combo, CB_GETCOUNT, 0, 0) == 3; }));
  EXPECT_EQ(ProfileText("Users", "Name01"), "山田");
  EXPECT_EQ(ProfileText("Users", "Code02"), "B02");
  EXPECT_EQ(ProfileText("Users", "Name03"), "佐藤");
  EXPECT_EQ(ProfileText("Users", "Server03"), share_);
  char absent[8] = {};
  GetPrivateProfileStringA("Users", "Name20", "absent", absent, sizeof absent, profile.c_str());
  EXPECT_STREQ(absent, "") << "all 80 keys are written, the unused ones empty";
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR) << "no user chosen after OK";
  EXPECT_FALSE(ControlEnabled(desk, IDC_STATUS_BUTTON1));
  EXPECT_EQ(ControlText(desk, IDC_PANEL_CODE), "");
  CloseThroughChooser(program, board, chooser, desk);
}

}  // namespace
}  // namespace quorvel::e2e
