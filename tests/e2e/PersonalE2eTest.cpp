// The personal edition as a user meets it: proxy input from the board, own
// input through the edition chooser, memos, a move, labels by a drop.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "store/TextCodec.h"
#include "tests/e2e/Board.h"

namespace quorvel::e2e {
namespace {

const char kPersonalTitle[] = "Quorvelパーソナル";

class PersonalEdition : public BoardTest {
 protected:
  HWND OpenOwnWindow(Program& program, HWND* board, HWND* chooser) {
    return RunFromChooser(program, board, chooser, IDC_CHOOSE_PERSONAL, kPersonalTitle);
  }
};

TEST_F(PersonalEdition, ProxyInputFromTheBoardWritesTheMembersStatus) {
  AddGroup("営業");
  AddMember("営業", "A01", "山田", "在席", "2026120908000000");
  WriteGroupList({"営業"});
  WritePrivateProfileStringA("Button", "Button4", "外出", ProfilePath().c_str());
  Program program(gExe, work_.Path());
  HWND board = Start(program);
  ASSERT_NE(board, nullptr);
  SelectLine(board, IDC_GROUP_LIST, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(board, IDC_MEMBER_LIST).size() == 1; }));
  SelectLine(board, IDC_MEMBER_LIST, 0);
  Press(board, IDC_PROXY_INPUT);

  HWND proxy = WaitWindow("Quorvel 代理入力");
  ASSERT_NE(proxy, nullptr);
  EXPECT_EQ(ControlText(proxy, IDC_PANEL_NAME), "山田");
  EXPECT_EQ(ControlText(proxy, IDC_PANEL_CODE), "A01");
  EXPECT_EQ(ControlText(proxy, IDC_PANEL_GROUP), "営業");
  EXPECT_EQ(ControlText(proxy, IDC_PANEL_STATUS), "在席");
  EXPECT_EQ(ControlText(proxy, IDC_PANEL_LAST_UPDATE), "12/09 08:00");
  for (int id : {IDC_PERSONAL_SETTINGS, IDC_PANEL_CHECK_MEMOS, IDC_PANEL_DISAPPEAR, IDC_PANEL_ICONISE}) EXPECT_FALSE(ControlEnabled(proxy, id)) << id;
  EXPECT_TRUE(ControlEnabled(proxy, IDC_PANEL_GROUP_LIST));
  EXPECT_EQ(ControlText(proxy, IDC_STATUS_BUTTON4), "外出");
  EXPECT_EQ(ControlText(proxy, IDC_STATUS_BUTTON21), "項目21");

  SetControlText(proxy, IDC_PANEL_REMARK, "15時戻り");
  Press(proxy, IDC_STATUS_BUTTON4);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(proxy, IDC_PANEL_STATUS) == "外出 15時戻り"; }));
  EXPECT_EQ(ControlText(proxy, IDC_PANEL_LAST_UPDATE).size(), 5u) << "hh:mm after a press";
  const std::vector<std::string> tokens = StatusTokens(StatusPath("営業", "A01"));
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0], "山田");
  EXPECT_EQ(tokens[1], "A01");
  EXPECT_EQ(tokens[2], "外出 15時戻り");
  EXPECT_TRUE(IsStamp(tokens[3]));
  SaveShot("personal-proxy");

  ASSERT_TRUE(PressToClose(proxy, IDCANCEL));
  ASSERT_TRUE(WaitUntil(5000, [&] {
    const auto lines = ListLines(board, IDC_MEMBER_LIST);
    return lines.size() == 1 && lines[0].find("外出 15時戻り (") != std::string::npos;
  })) << "the board shows the new status without a press";
  EndWithClose(program, board);
}

TEST_F(PersonalEdition, OwnInputThroughTheChooser) {
  SeatDesk();
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenOwnWindow(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);
  EXPECT_TRUE(WaitUntil(5000, [&] { return IsIconic(chooser) != FALSE; }))
      << "the chooser waits minimised";
  EXPECT_EQ(ControlText(personal, IDC_PANEL_NAME), "鈴木");
  EXPECT_EQ(ControlText(personal, IDC_PANEL_CODE), "B02");
  EXPECT_EQ(ControlText(personal, IDC_PANEL_STATUS), "") << "no status file yet";
  EXPECT_TRUE(ControlEnabled(personal, IDC_PANEL_ICONISE));
  SaveShot("personal");

  Press(personal, IDC_STATUS_BUTTON1);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(personal, IDC_PANEL_STATUS) == "項目1 "; }));
  const std::vector<std::string> tokens = StatusTokens(StatusPath("営業", "B02"));
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0], "鈴木");
  EXPECT_EQ(tokens[2], "項目1 ");

  // The group's list, with the date in the time column; a double click
  // leaves a memo.
  Press(personal, IDC_PANEL_GROUP_LIST);
  HWND list = WaitWindow("Quorvel グループ状況一覧");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ControlText(list, IDC_SHOWN_GROUP), "営業");
  const std::vector<std::string> lines = ListLines(list, IDC_MEMBER_LIST);
  ASSERT_EQ(lines.size(), 1u);
  const std::string head = Padded("鈴木", 16) + " " + Padded("B02", 16) + " 項目1  (";
  EXPECT_EQ(lines[0].substr(0, head.size()), head);
  EXPECT_EQ(lines[0].size(), head.size() + 12) << "MM/DD hh:mm and the parenthesis";
  SaveShot("group-status-list");
  DoubleClickLine(list, IDC_MEMBER_LIST, 0);
  HWND compose = WaitWindow("Quorvel 伝言メモ");
  ASSERT_NE(compose, nullptr);
  EXPECT_EQ(ControlText(compose, IDC_MEMO_CODE), "B02");
  ASSERT_TRUE(PressToClose(compose, IDCANCEL));
  ASSERT_TRUE(PressToClose(list, IDCANCEL));
  CloseThroughChooser(program, board, chooser, personal);
}

TEST_F(PersonalEdition, TheChoosersSystemMenuOpensTheAboutBox) {
  WriteGroupList({"営業"});
  AddGroup("営業");
  Program program(gExe, work_.Path());
  HWND board = Start(program);
  ASSERT_NE(board, nullptr);
  HWND chooser = OpenChooser(board);
  ASSERT_NE(chooser, nullptr);
  SaveShot("chooser", chooser);
  PostMessageW(chooser, WM_SYSCOMMAND, IDM_VERSION, 0);
  HWND about = WaitWindow("Quorvel バージョン情報");
  ASSERT_NE(about, nullptr);
  SaveShot("about");
  ASSERT_TRUE(PressToClose(about, IDOK));
  CloseThroughChooser(program, board, chooser);
}

TEST_F(PersonalEdition, MemosAreWrittenReadAndDeleted) {
  SeatDesk();
  AddMember("営業", "B02", "鈴木", "在席", "2026120909000000");
  Program program(gExe, work_.Path());
  HWND board = Start(program);
  ASSERT_NE(board, nullptr);
  SelectLine(board, IDC_GROUP_LIST, 0);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(board, IDC_MEMBER_LIST).size() == 1; }));

  test::WriteFileBytes(MemoPath("営業", "B02"), Encode("一件目") + "\n");
  SelectLine(board, IDC_MEMBER_LIST, 0);
  Press(board, IDC_MEMO);
  HWND compose = WaitWindow("Quorvel 伝言メモ");
  ASSERT_NE(compose, nullptr);
  EXPECT_EQ(ControlText(compose, IDC_MEMO_NAME), "鈴木");
  EXPECT_EQ(ControlText(compose, IDC_MEMO_CODE), "B02");
  EXPECT_EQ(ControlText(compose, IDC_MEMO_GROUP), "営業");
  SetControlText(compose, IDC_MEMO_TEXT, "会議室に来てください");
  SaveShot("memo-compose");
  ASSERT_TRUE(PressToClose(compose, IDOK));
  const char* memos[] = {"一件目", "会議室に来てください"};
  EXPECT_EQ(test::ReadFileBytes(MemoPath("営業", "B02")),
            Encode(memos[0]) + "\n" + Encode(memos[1]) + "\n");

  HWND chooser = OpenChooser(board);
  ASSERT_NE(chooser, nullptr);
  Press(chooser, IDC_CHOOSE_PERSONAL);
  HWND personal = WaitWindow(kPersonalTitle);
  ASSERT_NE(personal, nullptr);
  Press(personal, IDC_PANEL_CHECK_MEMOS);
  HWND messages = WaitWindow("Quorvel 伝言板");
  ASSERT_NE(messages, nullptr);
  EXPECT_EQ(ListLines(messages, IDC_BOARD_LIST), (std::vector<std::string>{memos[0], memos[1]}));
  SaveShot("message-board");
  SelectLine(messages, IDC_BOARD_LIST, 0);
  Press(messages, IDC_BOARD_DELETE);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(messages, IDC_BOARD_LIST).size() == 1; }));
  EXPECT_EQ(test::ReadFileBytes(MemoPath("営業", "B02")), Encode(memos[1]) + "\n");
  SelectLine(messages, IDC_BOARD_LIST, 0);
  Press(messages, IDC_BOARD_DELETE);
  const MessageBoxWindow box = WaitMessageBox(program.Id());
  EXPECT_EQ(box.text, "伝言はありません");
  Answer(box, IDOK);
  EXPECT_TRUE(ListLines(messages, IDC_BOARD_LIST).empty());
  ASSERT_TRUE(PressToClose(messages, IDOK));
  CloseThroughChooser(program, board, chooser, personal);
}

TEST_F(PersonalEdition, TheBoardDeletesTheSelectedMemoAfterAnotherDeskDeletedAnEarlierOne) {
  SeatDesk();
  AddMember("営業", "B02", "鈴木", "在席", "2026120909000000");
  const char* memos[] = {"一件目", "二件目", "三件目"};
  test::WriteFileBytes(MemoPath("営業", "B02"),
                       Encode(memos[0]) + "\n" + Encode(memos[1]) + "\n" + Encode(memos[2]) + "\n");
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenOwnWindow(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);
  Press(personal, IDC_PANEL_CHECK_MEMOS);
  HWND messages = WaitWindow("Quorvel 伝言板");
  ASSERT_NE(messages, nullptr);
  ASSERT_EQ(ListLines(messages, IDC_BOARD_LIST), (std::vector<std::string>{memos[0], memos[1], memos[2]}));

  // Another desk of the same member deletes the first memo meanwhile.
  test::WriteFileBytes(MemoPath("営業", "B02"), Encode(memos[1]) + "\n" + Encode(memos[2]) + "\n");
  SelectLine(messages, IDC_BOARD_LIST, 1);
  Press(messages, IDC_BOARD_DELETE);
  ASSERT_TRUE(WaitUntil(5000, [&] { return ListLines(messages, IDC_BOARD_LIST).size() == 1; }));
  EXPECT_EQ(ListLines(messages, IDC_BOARD_LIST), std::vector<std::string>{memos[2]});
  EXPECT_EQ(test::ReadFileBytes(MemoPath("営業", "B02")), Encode(memos[2]) + "\n");
  ASSERT_TRUE(PressToClose(messages, IDOK));
  CloseThroughChooser(program, board, chooser, personal);
}

TEST_F(PersonalEdition, NewGroupAndAMoveThatTakesStatusAndMemosAlong) {
  SeatDesk();
  AddMember("営業", "B02", "鈴木", "外出", "2026120910300000");
  const std::string memos = Encode("一件目") + "\n" + Encode("二件目") + "\n";
  test::WriteFileBytes(MemoPath("営業", "B02"), memos);
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenOwnWindow(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);
  Press(personal, IDC_PERSONAL_SETTINGS);
  HWND settings = WaitWindow("Quorvel 設定");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(ControlText(settings, IDC_SETTINGS_NAME), "鈴木");
  EXPECT_EQ(ControlText(settings, IDC_SETTINGS_CODE), "B02");
  EXPECT_EQ(ControlText(settings, IDC_SETTINGS_GROUP), "営業");
  EXPECT_EQ(ControlText(settings, IDC_SETTINGS_SERVER), share_);

  SetControlText(settings, IDC_SETTINGS_GROUP, "開発");
  Press(settings, IDC_SETTINGS_CREATE);
  MessageBoxWindow box = WaitMessageBox(program.Id());
  EXPECT_EQ(box.text, "新規グループ\"開発\"を作成しました");
  Answer(box, IDOK);
  EXPECT_TRUE(test::PathExists(share_ + "\\" + Encode("開発")));
  SaveShot("settings");

  ASSERT_TRUE(PressToClose(settings, IDOK));
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(personal, IDC_PANEL_GROUP) == "開発"; }));
  EXPECT_EQ(test::ReadFileBytes(StatusPath("開発", "B02")),
            StatusLine("鈴木", "B02", "外出", "2026120910300000"))
      << "status and its time move along";
  EXPECT_EQ(test::ReadFileBytes(MemoPath("開発", "B02")), memos);
  EXPECT_FALSE(test::PathExists(StatusPath("営業", "B02")));
  EXPECT_FALSE(test::PathExists(MemoPath("営業", "B02")));
  EXPECT_EQ(ProfileText("Personal", "Group"), "開発");
  EXPECT_EQ(ControlText(personal, IDC_PANEL_STATUS), "外出");
  CloseThroughChooser(program, board, chooser, personal);
}

TEST_F(PersonalEdition, LabelsComeFromADroppedProfileFile) {
  SeatDesk();
  const std::string other = work_ / "other.ini";
  test::WriteFileBytes(other, "[Button]\r\nButton3=会議\r\nButton5=帰宅\r\n");
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenOwnWindow(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);
  Press(personal, IDC_PERSONAL_SETTINGS);
  HWND settings = WaitWindow("Quorvel 設定");
  ASSERT_NE(settings, nullptr);
  Press(settings, IDC_SETTINGS_BUTTONS);
  HWND labels = WaitWindow("Quorvel ボタンカスタマイズ");
  ASSERT_NE(labels, nullptr);
  EXPECT_EQ(ControlText(labels, IDC_LABEL_BOX1 + 2), "項目3");

  ASSERT_TRUE(DropFiles(program.Id(), labels, {WindowsPath(other)}));
  ASSERT_TRUE(WaitUntil(5000, [&] { return ControlText(labels, IDC_LABEL_BOX1 + 2) == "会議"; }));
  EXPECT_EQ(ControlText(labels, IDC_LABEL_BOX1 + 4), "帰宅");
  EXPECT_EQ(ControlText(labels, IDC_LABEL_BOX1), "項目1") << "a label the file lacks stays";
  Settle(labels);
  SaveShot("button-customize");
  ASSERT_TRUE(PressToClose(labels, IDOK));
  EXPECT_EQ(ProfileText("Button", "Button3"), "会議");
  EXPECT_EQ(ProfileText("Button", "Button21"), "項目21") << "all 21 are written";

  ASSERT_TRUE(PressToClose(settings, IDCANCEL));
  EXPECT_TRUE(WaitUntil(5000, [&] { return ControlText(personal, IDC_STATUS_BUTTON3) == "会議"; }))
      << "the buttons take the labels when the settings close";
  CloseThroughChooser(program, board, chooser, personal);
}

}  // namespace
}  // namespace quorvel::e2e
