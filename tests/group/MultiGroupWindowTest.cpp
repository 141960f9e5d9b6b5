#include "group/MultiGroupWindow.h"

#include <gtest/gtest.h>

#include <functional>

#include "group/GroupEditDialog.h"
#include "personal/MemoComposeDialog.h"
#include "personal/PersonalWindow.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

constexpr int kMembers = MultiGroupWindow::kMemberListId;
constexpr int kGroups = MultiGroupWindow::kGroupListId;

struct MultiGroupWindowTest : test::WindowFixture<MultiGroupWindow> {
  std::string listFile = desk.share / "QVL.gl";
  // Who the memo dialog and the proxy-input window were opened for; the
  // proxy input can act as the user there.
  std::vector<MemberAddress> memos;
  std::vector<MemberAddress> proxies;
  std::function<void(const MemberAddress&)> duringProxyInput;

  MultiGroupWindowTest() {
    desk.runner.On(MemoComposeDialog::kTemplateId, [this](Dialog& d, FakeView&) {
      memos.push_back(dynamic_cast<MemoComposeDialog&>(d).Addressee());
    });
    desk.runner.On(PersonalWindow::kTemplateId, [this](Dialog& d, FakeView&) {
      auto& personal = dynamic_cast<PersonalWindow&>(d);
      EXPECT_TRUE(personal.ProxyInput());
      proxies.push_back(personal.Member());
      if (duringProxyInput) duringProxyInput(personal.Member());
    });
  }

  void WriteList(const std::string& bytes) { test::WriteFileBytes(listFile, bytes); }
  // One entry line of the group list file for a group on the test share.
  std::string OnShare(const std::string& group) {
    return Encode(desk.share.Path()) + " " + Encode(group) + "\n";
  }
  void Choose(int index) {
    view.ListSelect(kGroups, index);
    window.OnCommand(kGroups, kNotifySelChange);
  }
  std::vector<std::string>& MemberLines() { return view.Lines(kMembers); }
};

TEST_F(MultiGroupWindowTest, OpensWithTheGroupsAndNothingChosen) {
  WriteList("=5C=5CSV1=5Cboard =89c=8B=C6\n=5C=5CSV2=5Cx Sales\n=5C=5CSV1=5Cboard =91=8D=96=B1\n");
  view.normal = {0, 0, 400, 300};
  Open();
  EXPECT_EQ(view.title, "Quorvelマルチグループ");
  EXPECT_EQ(view.Lines(kGroups), (std::vector<std::string>{"営業", "Sales", "総務"}));
  EXPECT_EQ(view.lists[kGroups].extent, 5 * 6);
  EXPECT_EQ(view.ListSelection(kGroups), -1);
  EXPECT_TRUE(MemberLines().empty());
  EXPECT_EQ(view.texts[MultiGroupWindow::kShownGroupId], "");
  EXPECT_EQ(view.icon, 144);
  EXPECT_EQ(view.placeCalls, 1);
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(MultiGroupWindowTest, MissingGroupListFileStillOpens) {
  Open();
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"グループ情報ファイルがありません"});
  EXPECT_TRUE(view.Lines(kGroups).empty());
  EXPECT_EQ(view.lists[kGroups].extent, 0);
  EXPECT_FALSE(view.ended);
}

TEST_F(MultiGroupWindowTest, RefreshBeforeAGroupIsChosenOnlyEmptiesTheList) {
  WriteList(OnShare("g"));
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  Open();
  Press(MultiGroupWindow::kRefreshId);
  EXPECT_TRUE(MemberLines().empty());
  EXPECT_TRUE(desk.prompt.shown.empty());
  // Memo and proxy input without a member do nothing either.
  Press(MultiGroupWindow::kMemoId);
  Press(MultiGroupWindow::kProxyInputId);
  EXPECT_TRUE(memos.empty());
  EXPECT_TRUE(proxies.empty());
}

TEST_F(MultiGroupWindowTest, ChoosingAGroupShowsItsMembers) {
  WriteList(OnShare("営業"));
  desk.PutMember("営業", "A01", "Taro A01 Out=203pm 1999061509301500\n");
  Open();
  Choose(0);
  EXPECT_EQ(view.texts[MultiGroupWindow::kShownGroupId], "営業");
  EXPECT_EQ(window.ShownServerName(), desk.share.Path());
  ASSERT_EQ(MemberLines().size(), 1u);
  EXPECT_EQ(MemberLines()[0], "Taro" + std::string(12, ' ') + " A01" + std::string(13, ' ') +
                                  " Out 3pm (09:30)");
  // Refresh picks up what changed on the share.
  desk.PutMember("営業", "B01", "Jiro B01 In 1999061510000000\n");
  Press(MultiGroupWindow::kRefreshId);
  EXPECT_EQ(MemberLines().size(), 2u);
  // No selection: nothing changes.
  view.ListSelect(kGroups, -1);
  window.OnCommand(kGroups, kNotifySelChange);
  EXPECT_EQ(window.ShownGroup(), "営業");
}

TEST_F(MultiGroupWindowTest, SameGroupOnTwoServersLooksAlikeButShowsItsOwnMembers) {
  test::TempDir second;
  test::MakeFolder(second / Encode("g"));
  test::WriteFileBytes(second / Encode("g") + "\\" + "S2.sta", "Other S2 Away 1999061509301500\n");
  desk.PutMember("g", "S1", "First S1 In 1999061509301500\n");
  WriteList(OnShare("g") + Encode(second.Path()) + " g\n");
  Open();
  EXPECT_EQ(view.Lines(kGroups), (std::vector<std::string>{"g", "g"}));
  Choose(1);
  ASSERT_EQ(MemberLines().size(), 1u);
  EXPECT_EQ(MemberLines()[0].substr(0, 5), "Other");
  Choose(0);
  ASSERT_EQ(MemberLines().size(), 1u);
  EXPECT_EQ(MemberLines()[0].substr(0, 5), "First");
}

TEST_F(MultiGroupWindowTest, MemoGoesToTheSelectedMemberWithoutRefresh) {
  WriteList(OnShare("g"));
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  desk.PutMember("g", "B02", "Hanako B02 In 1999061509301500\n");
  Open();
  Choose(0);
  view.ListSelect(kMembers, 1);
  window.OnCommand(kMembers, kNotifyDoubleClick);
  Press(MultiGroupWindow::kMemoId);
  ASSERT_EQ(memos.size(), 2u);
  for (const MemberAddress& m : memos) {
    EXPECT_EQ(m.serverName, desk.share.Path());
    EXPECT_EQ(m.group, "g");
    EXPECT_EQ(m.code, "B02");
    EXPECT_EQ(m.name, "Hanako");
  }
  EXPECT_EQ(view.ListSelection(kMembers), 1);  // not refreshed
  // A plain selection change in the member list opens nothing.
  window.OnCommand(kMembers, kNotifySelChange);
  EXPECT_EQ(memos.size(), 2u);
}

TEST_F(MultiGroupWindowTest, ProxyInputShowsTheNewStatusAtOnce) {
  WriteList(OnShare("g"));
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  Open();
  Choose(0);
  view.ListSelect(kMembers, 0);
  duringProxyInput = [&](const MemberAddress& m) {
    desk.PutMember(m.group, m.code, "Taro A01 Out 1999061511450000\n");
  };
  Press(MultiGroupWindow::kProxyInputId);
  ASSERT_EQ(proxies.size(), 1u);
  EXPECT_EQ(proxies[0].code, "A01");
  EXPECT_EQ(proxies[0].name, "Taro");
  EXPECT_EQ(proxies[0].group, "g");
  EXPECT_EQ(proxies[0].serverName, desk.share.Path());
  ASSERT_EQ(MemberLines().size(), 1u);
  EXPECT_EQ(MemberLines()[0].substr(MemberLines()[0].size() - 11), "Out (11:45)");
}

TEST_F(MultiGroupWindowTest, GroupManagementOkSavesAndRefills) {
  WriteList("=5C=5CSV1=5Cboard =89c=8B=C6\n");
  Open();
  desk.runner.On(GroupEditDialog::kTemplateId, [](Dialog& d, FakeView& v) {
    auto& edit = dynamic_cast<GroupEditDialog&>(d);
    EXPECT_EQ(edit.Groups().count, 1);
    v.texts[GroupEditDialog::kServerId] = "\\\\SV1\\board";
    v.texts[GroupEditDialog::kGroupId] = "総務";
    edit.OnCommand(GroupEditDialog::kAddId, kNotifyClicked);
    edit.OnCommand(kIdOk, kNotifyClicked);
  });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(desk.runner.runs, std::vector<int>{140});
  EXPECT_EQ(test::ReadFileBytes(listFile),
            "=5C=5CSV1=5Cboard =89c=8B=C6\n=5C=5CSV1=5Cboard =91=8D=96=B1\n");
  EXPECT_EQ(view.Lines(kGroups), (std::vector<std::string>{"営業", "総務"}));
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(MultiGroupWindowTest, GroupManagementStartsFromTheFile) {
  WriteList("s a\n");
  Open();
  WriteList("s a\ns b\n");  // changed meanwhile by hand
  int seen = -1;
  desk.runner.On(GroupEditDialog::kTemplateId, [&](Dialog& d, FakeView&) {
    seen = dynamic_cast<GroupEditDialog&>(d).Groups().count;
  });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(seen, 2);
}

TEST_F(MultiGroupWindowTest, GroupManagementCancelKeepsListAndFile) {
  const std::string before = "=5C=5CSV1=5Cboard =89c=8B=C6\n";
  WriteList(before);
  Open();
  desk.runner.On(GroupEditDialog::kTemplateId, [](Dialog& d, FakeView& v) {
    auto& edit = dynamic_cast<GroupEditDialog&>(d);
    v.texts[GroupEditDialog::kServerId] = "x";
    v.texts[GroupEditDialog::kGroupId] = "y";
    edit.OnCommand(GroupEditDialog::kAddId, kNotifyClicked);
    v.texts[GroupEditDialog::kGroupId] = "z";
    edit.OnCommand(GroupEditDialog::kAddId, kNotifyClicked);
    edit.OnCommand(kIdCancel, kNotifyClicked);
  });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(test::ReadFileBytes(listFile), before);
  EXPECT_EQ(view.Lines(kGroups), std::vector<std::string>{"営業"});
}

TEST_F(MultiGroupWindowTest, DeletingEveryGroupIsRefusedAndTheOldEntriesComeBack) {
  const std::string before = "s a\ns b\n";
  WriteList(before);
  Open();
  desk.runner.On(GroupEditDialog::kTemplateId, [](Dialog& d, FakeView& v) {
    auto& edit = dynamic_cast<GroupEditDialog&>(d);
    for (int i = 0; i < 2; ++i) {
      v.ListSelect(GroupEditDialog::kListId, 2);
      edit.OnCommand(GroupEditDialog::kListId, kNotifySelChange);
      edit.OnCommand(GroupEditDialog::kDeleteId, kNotifyClicked);
    }
    EXPECT_EQ(edit.Groups().count, 0);
    edit.OnCommand(kIdOk, kNotifyClicked);
  });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"グループが登録されていません"});
  EXPECT_EQ(test::ReadFileBytes(listFile), before);
  EXPECT_EQ(view.Lines(kGroups), (std::vector<std::string>{"a", "b"}));
}

TEST_F(MultiGroupWindowTest, GroupManagementKeepsAHandMadeListOfAThousandLines) {
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "s g" + std::to_string(i) + "\n";
  WriteList(lines);
  Open();
  desk.runner.On(GroupEditDialog::kTemplateId,
                 [](Dialog& d, FakeView&) { d.OnCommand(kIdOk, kNotifyClicked); });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(test::ReadFileBytes(listFile), lines);
  EXPECT_EQ(view.Lines(kGroups).size(), 50u);
}

TEST_F(MultiGroupWindowTest, ASaveThatFailsKeepsTheListShown) {
  WriteList("s a\ns b\n");
  Open();
  std::unique_ptr<FileSystem> otherProcess = test::MakeRealFileSystem();
  OpenResult held;
  desk.runner.On(GroupEditDialog::kTemplateId, [&](Dialog& d, FakeView& v) {
    auto& edit = dynamic_cast<GroupEditDialog&>(d);
    v.texts[GroupEditDialog::kServerId] = "s";
    v.texts[GroupEditDialog::kGroupId] = "c";
    edit.OnCommand(GroupEditDialog::kAddId, kNotifyClicked);
    held = otherProcess->Open(listFile, FileAccess::Write, FileShare::None,
                              FileDisposition::OpenExisting);
    ASSERT_TRUE(held.file);
    edit.OnCommand(kIdOk, kNotifyClicked);
  });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"グループ情報ファイルが作成できません"});
  EXPECT_EQ(view.Lines(kGroups), (std::vector<std::string>{"a", "b"}));
  held.file.reset();
  EXPECT_EQ(test::ReadFileBytes(listFile), "s a\ns b\n");
}

TEST_F(MultiGroupWindowTest, RemovingTheShownGroupKeepsItShown) {
  WriteList(OnShare("g") + "s other\n");
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  Open();
  Choose(0);
  desk.runner.On(GroupEditDialog::kTemplateId, [](Dialog& d, FakeView& v) {
    auto& edit = dynamic_cast<GroupEditDialog&>(d);
    v.ListSelect(GroupEditDialog::kListId, 2);
    edit.OnCommand(GroupEditDialog::kListId, kNotifySelChange);
    edit.OnCommand(GroupEditDialog::kDeleteId, kNotifyClicked);
    edit.OnCommand(kIdOk, kNotifyClicked);
  });
  Press(MultiGroupWindow::kGroupManagementId);
  EXPECT_EQ(view.Lines(kGroups), std::vector<std::string>{"other"});
  EXPECT_EQ(view.ListSelection(kGroups), -1);
  EXPECT_EQ(MemberLines().size(), 1u);
  EXPECT_EQ(window.ShownGroup(), "g");
  desk.PutMember("g", "B01", "Jiro B01 In 1999061509301500\n");
  Press(MultiGroupWindow::kRefreshId);
  EXPECT_EQ(MemberLines().size(), 2u);
}

TEST_F(MultiGroupWindowTest, EscIconisesAndTheTrayRestoreRefreshes) {
  WriteList(OnShare("g"));
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  Open();
  Choose(0);
  window.OnCommand(kIdCancel, kNotifyClicked);
  EXPECT_TRUE(window.Iconised());
  EXPECT_EQ(view.trayIcon, 131);
  EXPECT_FALSE(view.ended);
  desk.PutMember("g", "B01", "Jiro B01 In 1999061509301500\n");
  window.OnTrayMessage(kMouseLeftDown);
  EXPECT_FALSE(window.Iconised());
  EXPECT_EQ(MemberLines().size(), 2u);
}

TEST_F(MultiGroupWindowTest, ActivationRequestFromTheTrayDoesNotRefresh) {
  WriteList(OnShare("g"));
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  Open();
  Choose(0);
  window.OnCancel();
  desk.PutMember("g", "B01", "Jiro B01 In 1999061509301500\n");
  window.OnActivationRequest();
  EXPECT_FALSE(window.Iconised());
  EXPECT_EQ(view.trayDeletes, 1);
  EXPECT_EQ(MemberLines().size(), 1u);
}

TEST_F(MultiGroupWindowTest, TheSecondSystemMenuItemRunsTheEditionChooser) {
  WriteList(OnShare("g"));
  view.strings[kVersionStringId] = "バージョン情報";
  Open();
  ASSERT_EQ(view.systemMenu.size(), 3u);
  EXPECT_EQ(view.systemMenu[1], (std::pair<int, std::string>{32, "エディション選択"}));
  EXPECT_EQ(view.systemMenuSeparators, 1);
  EXPECT_TRUE(window.OnSystemCommand(32));
  EXPECT_EQ(desk.runner.runs, std::vector<int>{102});
  EXPECT_FALSE(window.OnSystemCommand(0xF060)) << "other commands go to the system";
}

TEST_F(MultiGroupWindowTest, CloseEndsWithZero) {
  WriteList(OnShare("g"));
  Open();
  Press(1080);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 0);
}

TEST_F(MultiGroupWindowTest, SecondCopyHandsOverAndStillSavesItsPosition) {
  WriteList(OnShare("g"));
  view.otherWindows = {"Quorvelマルチグループ"};
  view.normal = {10, 20, 410, 320};
  Open();
  EXPECT_EQ(view.activationsPosted, std::vector<std::string>{"Quorvelマルチグループ"});
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 0);
  window.OnDestroy();
  EXPECT_EQ(desk.profile.ReadInt("Window", "Left", -1), view.normal.left);
  EXPECT_EQ(desk.profile.ReadInt("Window", "Top", -1), view.normal.top);
}

// The fake view, also keeping the order of the window-level calls.
class OrderView : public FakeView {
 public:
  std::vector<std::string> calls;
  bool PostActivationRequest(const std::string& t) override {
    // The window's own title must not be set yet, or it would find itself.
    calls.push_back(title == t ? "find (own title already set)" : "find");
    return FakeView::PostActivationRequest(t);
  }
  bool AppendSystemMenuItem(int command, const std::string& text, bool separator) override {
    calls.push_back("menu " + std::to_string(command));
    return FakeView::AppendSystemMenuItem(command, text, separator);
  }
  void SetIcons(int iconId) override {
    calls.push_back("icons");
    FakeView::SetIcons(iconId);
  }
  void SetTitle(const std::string& t) override {
    calls.push_back("title");
    FakeView::SetTitle(t);
  }
  void ListAdd(int id, const std::string& line) override {
    if (calls.empty() || calls.back() != "add " + std::to_string(id))
      calls.push_back("add " + std::to_string(id));
    FakeView::ListAdd(id, line);
  }
  void Place(int left, int top, int width, int height) override {
    calls.push_back("place");
    FakeView::Place(left, top, width, height);
  }
  void DeleteTrayIcon() override {
    calls.push_back("delete icon");
    FakeView::DeleteTrayIcon();
  }
  void ShowWindow(WindowShow how) override {
    calls.push_back(how == WindowShow::Hide ? "hide" : how == WindowShow::Restore ? "restore" : "minimize");
    FakeView::ShowWindow(how);
  }
};

TEST_F(MultiGroupWindowTest, OpeningAndTrayRestoreRunTheirStepsInOrder) {
  WriteList(OnShare("g"));
  desk.PutMember("g", "A01", "Taro A01 In 1999061509301500\n");
  OrderView v;
  v.title = "Quorvel マルチグループ";  // the template's caption
  v.strings[kVersionStringId] = "バージョン情報";
  window.Attach(&v);
  window.OnInit();
  EXPECT_EQ(v.calls,
            (std::vector<std::string>{"find", "menu 16", "icons", "title", "menu 32", "menu 48",
                                      "add " + std::to_string(kGroups), "place"}));
  v.ListSelect(kGroups, 0);
  window.OnCommand(kGroups, kNotifySelChange);
  window.OnCommand(kIdCancel, kNotifyClicked);
  v.calls.clear();
  window.OnTrayMessage(kMouseLeftDown);
  // The list is reloaded while the window is still hidden, then it comes back.
  EXPECT_EQ(v.calls, (std::vector<std::string>{"delete icon", "add " + std::to_string(kMembers),
                                               "restore"}));
  EXPECT_FALSE(window.Iconised());
}

}  // namespace
}  // namespace quorvel
