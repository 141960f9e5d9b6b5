// The multi-group board as a user meets it: the real quorvel.exe started in
// a working folder with a share, a group list file and a profile.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "res/resource.h"
#include "store/TextCodec.h"
#include "tests/e2e/Board.h"
#include "ui/win32/ProgramMessages.h"

namespace quorvel::e2e {
namespace {

const std::string kTitle = kBoardTitle;
const std::string kEditTitle = "Quorvel グループ編集";

using MultiGroupBoard = BoardTest;

TEST_F(MultiGroupBoard, StartsWithoutGroupListFileAfterOneMessage) {
  Program program(gExe, work_.Path());
  const MessageBoxWindow box = WaitMessageBox(program.Id());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, "グループ情報ファイルがありません");
  Answer(box, IDOK);
  HWND window = WaitWindow(kTitle);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(NoMessageBox(program.Id(), 500));
  EXPECT_TRUE(ListLines(window, IDC_GROUP_LIST).empty());
  EXPECT_TRUE(ListLines(window, IDC_MEMBER_LIST).empty());
  EndWithClose(program, window);
}

TEST_F(MultiGroupBoard, ChoosingAGroupShowsItsMembersInCodeOrder) {
  AddGroup("営業");
  AddGroup("総務");
  AddMember("営業", "A", "Hanako", "在席 会議中", "2026120908150000");
  AddMember("営業", "9", "Jiro", "外出", "");
  AddMember("営業", "10", "Taro", "Out 3pm", "1999061509301500");
  AddMember("総務", "S1", "総務の人", "休暇", "2026120912000000");
  WriteGroupList({"営業", "総務"});

  Program program(gExe, work_.Path());
  HWND window = Start(program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ListLines(window, IDC_GROUP_LIST), (std::vector<std::string>{"営業", "総務"}));
  EXPECT_TRUE(ListLines(window, IDC_MEMBER_LIST).empty()) << "nothing is chosen at start";

  SelectLine(window, IDC_GROUP_LIST, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(window, IDC_MEMBER_LIST).size() == 3; }));
  EXPECT_EQ(ListLines(window, IDC_MEMBER_LIST),
            (std::vector<std::string>{
                Padded("Taro", 16) + " " + Padded("10", 16) + " Out 3pm (09:30)",
                Padded("Jiro", 16) + " " + Padded("9", 16) + " 外出 ()",
                Padded("Hanako", 16) + " " + Padded("A", 16) + " 在席 会議中 (08:15)",
            }));
  EXPECT_EQ(ControlText(window, IDC_SHOWN_GROUP), "営業");

  SelectLine(window, IDC_GROUP_LIST, 1);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(window, IDC_MEMBER_LIST).size() == 1; }));
  EXPECT_EQ(ListLines(window, IDC_MEMBER_LIST)[0],
            Padded("総務の人", 16) + " " + Padded("S1", 16) + " 休暇 (12:00)");

  // Another desk changes a status: the refresh button shows it.
  AddMember("総務", "S1", "総務の人", "帰宅", "2026120918450000");
  Press(window, IDC_REFRESH);
  ASSERT_TRUE(WaitUntil(5000, [&] {
    const auto lines = ListLines(window, IDC_MEMBER_LIST);
    return lines.size() == 1 && lines[0].find("帰宅 (18:45)") != std::string::npos;
  }));
  EndWithClose(program, window);
}

TEST_F(MultiGroupBoard, GroupManagementAddsAndSavesTheList) {
  AddGroup("営業");
  WriteGroupList({"営業"});
  Program program(gExe, work_.Path());
  HWND window = Start(program);
  ASSERT_NE(window, nullptr);

  Press(window, IDC_GROUP_MANAGE);
  HWND edit = WaitWindow(kEditTitle);
  ASSERT_NE(edit, nullptr);
  const std::vector<std::string> lines = ListLines(edit, IDC_GROUP_EDIT_LIST);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "グループ　　　　　　　　 | サーバ");
  EXPECT_EQ(lines[1], std::string(66, '-'));
  EXPECT_EQ(lines[2], Padded("営業", 24) + " | " + share_);
  EXPECT_FALSE(ControlEnabled(edit, IDC_GROUP_EDIT_MODIFY));
  EXPECT_FALSE(ControlEnabled(edit, IDC_GROUP_EDIT_DELETE));

  SetControlText(edit, IDC_GROUP_EDIT_SERVER, share_);
  SetControlText(edit, IDC_GROUP_EDIT_GROUP, "開発");
  Press(edit, IDC_GROUP_EDIT_ADD);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(edit, IDC_GROUP_EDIT_LIST).size() == 4; }));
  SaveShot("groupedit");
  Press(edit, IDOK);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(window, IDC_GROUP_LIST).size() == 2; }));
  EXPECT_EQ(ListLines(window, IDC_GROUP_LIST), (std::vector<std::string>{"営業", "開発"}));
  EXPECT_EQ(GroupListBytes(), Encode(share_) + " =89c=8B=C6\n" + Encode(share_) + " " +
                                  Encode("開発") + "\n");
  EndWithClose(program, window);
}

TEST_F(MultiGroupBoard, DeletingEveryGroupIsRefusedAndTheOldListComesBack) {
  AddGroup("営業");
  AddGroup("総務");
  WriteGroupList({"営業", "総務"});
  const std::string before = GroupListBytes();
  Program program(gExe, work_.Path());
  HWND window = Start(program);
  ASSERT_NE(window, nullptr);

  Press(window, IDC_GROUP_MANAGE);
  HWND edit = WaitWindow(kEditTitle);
  ASSERT_NE(edit, nullptr);
  for (int remaining = 2; remaining > 0; --remaining) {
    SelectLine(edit, IDC_GROUP_EDIT_LIST, 2);
    ASSERT_TRUE(WaitUntil(5000, [&] { return ControlEnabled(edit, IDC_GROUP_EDIT_DELETE); }));
    Press(edit, IDC_GROUP_EDIT_DELETE);
    ASSERT_TRUE(WaitUntil(5000, [&] {
      return ListLines(edit, IDC_GROUP_EDIT_LIST).size() == static_cast<std::size_t>(remaining + 1);
    }));
  }
  Press(edit, IDOK);
  const MessageBoxWindow box = WaitMessageBox(program.Id());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, "グループが登録されていません");
  Answer(box, IDOK);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(window, IDC_GROUP_LIST).size() == 2; }));
  EXPECT_EQ(GroupListBytes(), before);
  EndWithClose(program, window);
}

TEST_F(MultiGroupBoard, EscIconisesTheTrayRestoresAndCloseEnds) {
  AddGroup("営業");
  AddMember("営業", "A01", "Taro", "在席", "2026120909000000");
  WriteGroupList({"営業"});
  Program program(gExe, work_.Path());
  HWND window = Start(program);
  ASSERT_NE(window, nullptr);
  SelectLine(window, IDC_GROUP_LIST, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(window, IDC_MEMBER_LIST).size() == 1; }));

  // Esc goes through the dialog's own keyboard handling to its cancel command.
  HWND focus = GetDlgItem(window, IDC_GROUP_LIST);
  PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return !IsWindowVisible(window); })) << "Esc iconises";
  EXPECT_TRUE(program.Running());

  // The shell reports a right click and then a left press on the icon.
  AddMember("営業", "A01", "Taro", "外出", "2026120910300000");
  SendMessageW(window, kTrayMessage, kTrayIconId, WM_RBUTTONDOWN);
  Settle(window);
  EXPECT_FALSE(IsWindowVisible(window)) << "a right click changes nothing";
  SendMessageW(window, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitUntil(5000, [&] { return IsWindowVisible(window) != FALSE; }));
  EXPECT_NE(ListLines(window, IDC_MEMBER_LIST).at(0).find("外出 (10:30)"), std::string::npos)
      << "a restore from the tray refreshes";

  Press(window, IDCANCEL);  // the iconise button
  ASSERT_TRUE(WaitUntil(5000, [&] { return !IsWindowVisible(window); }));
  SendMessageW(window, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitUntil(5000, [&] { return IsWindowVisible(window) != FALSE; }));

  EndWithClose(program, window);  // 閉じる ends the program
}

TEST_F(MultiGroupBoard, ASecondStartHandsOverToTheRunningWindow) {
  AddGroup("営業");
  WriteGroupList({"営業"});
  Program first(gExe, work_.Path());
  HWND window = Start(first);
  ASSERT_NE(window, nullptr);
  Press(window, IDCANCEL);
  ASSERT_TRUE(WaitUntil(5000, [&] { return !IsWindowVisible(window); }));

  Program second(gExe, work_.Path());
  EXPECT_TRUE(second.WaitExit(15000)) << "the second copy ends itself";
  EXPECT_TRUE(WaitUntil(5000, [&] { return IsWindowVisible(window) != FALSE; }))
      << "the running window comes back out of the tray";
  EXPECT_TRUE(first.Running());
  EndWithClose(first, window);
}

TEST_F(MultiGroupBoard, SavesItsPositionAndOpensThereNextTime) {
  WriteGroupList({"営業"});
  AddGroup("営業");
  test::WriteFileBytes(ProfilePath(), "[Window]\r\nLeft=-50\r\nTop=40\r\n");
  {
    Program program(gExe, work_.Path());
    HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 0) << "a negative Left is clamped to the desktop";
    EXPECT_EQ(r.top, 40);
    SetWindowPos(window, nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Settle(window);
    Press(window, IDC_CLOSE_WINDOW);
    ASSERT_TRUE(program.WaitExit(10000));
  }
  EXPECT_EQ(GetPrivateProfileIntA("Window", "Left", -1, ProfilePath().c_str()), 120);
  EXPECT_EQ(GetPrivateProfileIntA("Window", "Top", -1, ProfilePath().c_str()), 80);
  Program again(gExe, work_.Path());
  HWND window = Start(again);
  ASSERT_NE(window, nullptr);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 80);
  if (std::getenv("QUORVEL_SHOTS") != nullptr) {
    SelectLine(window, IDC_GROUP_LIST, 0);
    Settle(window);
    SaveShot("multigroup");
  }
  EndWithClose(again, window);
}

TEST_F(MultiGroupBoard, TheVersionItemOpensThePanelOfItsEdition) {
  AddGroup("営業");
  WriteGroupList({"営業"});
  Program program(gExe, work_.Path());
  HWND window = Start(program);
  ASSERT_NE(window, nullptr);
  // The system menu of another process cannot be read; its command can be sent.
  PostMessageW(window, WM_SYSCOMMAND, IDM_VERSION, 0);
  HWND panel = WaitDialogWithControl(program.Id(), IDC_EDITION_LABEL);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(ControlText(panel, IDC_EDITION_LABEL), "マルチグループ");
  Sleep(1200);  // a few animation steps, for the picture
  SaveShot("version");
  Press(panel, IDOK);
  ASSERT_TRUE(WaitUntil(5000, [&] { return !IsWindow(panel); }));
  EndWithClose(program, window);
}

TEST_F(MultiGroupBoard, TheLiveBoardShowsAnotherDesksChangeByItself) {
  AddGroup("営業");
  AddMember("営業", "A01", "Taro", "在席", "2026120909000000");
  AddMember("営業", "B02", "Jiro", "在席", "2026120909000000");
  WriteGroupList({"営業"});
  Program program(gExe, work_.Path());
  HWND window = Start(program);
  ASSERT_NE(window, nullptr);
  SelectLine(window, IDC_GROUP_LIST, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(window, IDC_MEMBER_LIST).size() == 2; }));
  PostMessageW(window, WM_SYSCOMMAND, IDM_AUTO_REFRESH, 0);  // "自動更新" on
  ASSERT_TRUE(WaitUntil(5000, [&] { return ProfileText("System", "AutoRefresh") == "1"; }));
  SendMessageW(GetDlgItem(window, IDC_MEMBER_LIST), LB_SETCURSEL, 1, 0);

  AddMember("営業", "B02", "Jiro", "外出", "2026120911450000");
  EXPECT_TRUE(WaitUntil(3000, [&] {
    const auto lines = ListLines(window, IDC_MEMBER_LIST);
    return lines.size() == 2 && lines[1].find("外出 (11:45)") != std::string::npos;
  })) << "within two seconds of the change, without a press";
  EXPECT_EQ(SendMessageW(GetDlgItem(window, IDC_MEMBER_LIST), LB_GETCURSEL, 0, 0), 1) << "selection kept";

  PostMessageW(window, WM_SYSCOMMAND, IDM_AUTO_REFRESH, 0);  // off again
  ASSERT_TRUE(WaitUntil(5000, [&] { return ProfileText("System", "AutoRefresh") == "0"; }));
  AddMember("営業", "A01", "Taro", "帰宅", "2026120918000000");
  Sleep(2500);
  EXPECT_EQ(ListLines(window, IDC_MEMBER_LIST)[0].find("帰宅"), std::string::npos) << "off: no change by itself";
  EndWithClose(program, window);
}

}  // namespace
}  // namespace quorvel::e2e
