#include "group/GroupEditDialog.h"

#include <gtest/gtest.h>

#include "tests/support/Desk.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;
using G = GroupEditDialog;

const std::string kHyphens(66, '-');

struct GroupEditDialogTest : ::testing::Test {
  test::Desk desk;
  FakeView view;
  GroupEditDialog dialog{desk.services};

  void Open(const std::vector<std::pair<std::string, std::string>>& entries) {
    RegisteredGroups groups;
    for (const auto& e : entries) {
      groups.serverNames[groups.count] = e.first;
      groups.groups[groups.count] = e.second;
      ++groups.count;
    }
    dialog.SetGroups(groups);
    dialog.Attach(&view);
    dialog.OnInit();
  }
  void Type(const std::string& server, const std::string& group) {
    view.texts[G::kServerId] = server;
    view.texts[G::kGroupId] = group;
  }
  void Click(int line) {
    view.ListSelect(G::kListId, line);
    dialog.OnCommand(G::kListId, kNotifySelChange);
  }
  void Press(int id) { dialog.OnCommand(id, kNotifyClicked); }
  std::vector<std::string>& Lines() { return view.Lines(G::kListId); }
  std::string Entry(int i) {
    return dialog.Groups().serverNames[i] + "|" + dialog.Groups().groups[i];
  }
};

TEST_F(GroupEditDialogTest, OpensWithHeadingsEntriesAndNothingSelected) {
  Open({{"\\\\SV1\\board", "営業"}, {"\\\\SV2\\x", "Sales"}, {"s", "総務"}});
  ASSERT_EQ(Lines().size(), 5u);
  EXPECT_EQ(Lines()[0], "グループ　　　　　　　　 | サーバ");
  EXPECT_EQ(Lines()[0].substr(0, 24), "グループ　　　　　　　　");  // 24 bytes
  EXPECT_EQ(Lines()[1], kHyphens);
  EXPECT_EQ(Lines()[2], "営業" + std::string(20, ' ') + " | \\\\SV1\\board");
  EXPECT_EQ(Lines()[3], "Sales" + std::string(19, ' ') + " | \\\\SV2\\x");
  // Headings do not count for the extent.
  EXPECT_EQ(view.lists[G::kListId].extent, static_cast<int>(Lines()[2].size()) * 6);
  EXPECT_EQ(view.ListSelection(G::kListId), -1);
  EXPECT_EQ(dialog.SelectedEntry(), -1);
  EXPECT_FALSE(view.IsEnabled(G::kModifyId));
  EXPECT_FALSE(view.IsEnabled(G::kDeleteId));
  EXPECT_EQ(view.limits[G::kGroupId], 24);
  EXPECT_EQ(view.limits[G::kServerId], 128);
}

TEST_F(GroupEditDialogTest, EmptyTableHasOnlyHeadingsAndNoExtent) {
  Open({});
  EXPECT_EQ(Lines().size(), 2u);
  EXPECT_EQ(view.lists[G::kListId].extent, 0);
}

TEST_F(GroupEditDialogTest, LongEntryLineIsShownWhole) {
  const std::string server(200, 's');
  Open({{server, "g"}});
  EXPECT_EQ(Lines()[2], "g" + std::string(23, ' ') + " | " + server);
}

TEST_F(GroupEditDialogTest, ClickingEntryAndHeadingLines) {
  Open({{"s1", "a"}, {"s2", "b"}});
  Click(3);
  EXPECT_EQ(dialog.SelectedEntry(), 1);
  EXPECT_EQ(view.texts[G::kServerId], "s2");
  EXPECT_EQ(view.texts[G::kGroupId], "b");
  EXPECT_TRUE(view.IsEnabled(G::kModifyId));
  EXPECT_TRUE(view.IsEnabled(G::kDeleteId));
  Click(1);  // the hyphen line
  EXPECT_EQ(dialog.SelectedEntry(), -1);
  EXPECT_EQ(view.ListSelection(G::kListId), -1);
  EXPECT_EQ(view.texts[G::kServerId], "");
  EXPECT_EQ(view.texts[G::kGroupId], "");
  EXPECT_FALSE(view.IsEnabled(G::kModifyId));
  EXPECT_FALSE(view.IsEnabled(G::kDeleteId));
}

TEST_F(GroupEditDialogTest, AddChecksInOrderAndSelectsTheNewEntry) {
  Open({{"\\\\SV1\\board", "営業"}});
  struct Case {
    std::string server, group;
    bool added;
    std::string message;
  };
  const Case cases[] = {
      {"\\\\SV1\\board", "", false, "サーバ名、グループを正しく入力して下さい"},
      {"", "総務", false, "サーバ名、グループを正しく入力して下さい"},
      {"\\\\SV1\\board", "営業", false, "既に登録されているグループです"},
      {"\\\\SV1\\board ", "営業", true, ""},  // no trimming
      {"\\\\sv1\\board", "営業", true, ""},   // case counts
      {"\\\\SV1\\board", "総務", true, ""},
      {"\\\\SV9\\other", "営業", true, ""},
  };
  int count = 1;
  for (const Case& c : cases) {
    desk.prompt.Clear();
    Type(c.server, c.group);
    EXPECT_EQ(dialog.Add(), c.added) << c.server << c.group;
    if (c.added) ++count;
    EXPECT_EQ(dialog.Groups().count, count);
    if (c.added) {
      EXPECT_TRUE(desk.prompt.shown.empty());
      EXPECT_EQ(dialog.SelectedEntry(), count - 1);
      EXPECT_EQ(view.ListSelection(G::kListId), count + 1);
      EXPECT_EQ(view.texts[G::kServerId], c.server);  // the fields keep the values
      EXPECT_EQ(Entry(count - 1), c.server + "|" + c.group);
    } else {
      EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{c.message});
    }
  }
  EXPECT_EQ(Lines().size(), static_cast<std::size_t>(count + 2));
  // Add leaves the buttons as they were.
  EXPECT_FALSE(view.IsEnabled(G::kModifyId));
}

TEST_F(GroupEditDialogTest, FiftyFirstAddIsRefused) {
  Open({});
  for (int i = 0; i < 50; ++i) {
    Type("s", "g" + std::to_string(i));
    ASSERT_TRUE(dialog.Add()) << i;
  }
  Type("s", "");
  EXPECT_FALSE(dialog.Add());  // empty fields are tested first
  EXPECT_EQ(desk.prompt.Texts().back(), "サーバ名、グループを正しく入力して下さい");
  Type("s", "g0");
  EXPECT_FALSE(dialog.Add());  // the limit before the duplicate
  EXPECT_EQ(desk.prompt.Texts().back(), "登録できる最大のグループ数を越えます");
  EXPECT_EQ(dialog.Groups().count, 50);
}

TEST_F(GroupEditDialogTest, OverlongFieldIsRefusedGroupFirst) {
  Open({});
  Type(std::string(129, 's'), std::string(25, 'g'));
  EXPECT_FALSE(dialog.Add());
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"24 文字以内で入力してください。"});
  EXPECT_EQ(view.focus, G::kGroupId);
  Type(std::string(129, 's'), std::string(24, 'g'));
  EXPECT_FALSE(dialog.Add());
  EXPECT_EQ(desk.prompt.Texts().back(), "128 文字以内で入力してください。");
  EXPECT_EQ(view.focus, G::kServerId);
  EXPECT_EQ(dialog.Groups().count, 0);
  // OK stays open for the same reason.
  EXPECT_FALSE(dialog.OnOK());
  EXPECT_FALSE(view.ended);
}

TEST_F(GroupEditDialogTest, ModifyReplacesWithoutDuplicateTest) {
  Open({{"s", "a"}, {"s", "b"}});
  Type("s", "x");
  Press(G::kModifyId);  // nothing selected
  EXPECT_EQ(Entry(0), "s|a");
  EXPECT_EQ(Entry(1), "s|b");
  Click(3);
  Type("s", "a");
  Press(G::kModifyId);
  EXPECT_EQ(Entry(1), "s|a");
  EXPECT_EQ(Lines()[2], Lines()[3]);
  EXPECT_EQ(view.ListSelection(G::kListId), 3);
  EXPECT_TRUE(desk.prompt.shown.empty());
  Type("", "a");
  Press(G::kModifyId);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"サーバ名、グループを正しく入力して下さい"});
  EXPECT_EQ(Entry(1), "s|a");
}

TEST_F(GroupEditDialogTest, DeleteSelectsTheNeighbour) {
  Open({{"s", "a"}, {"s", "b"}, {"s", "c"}, {"s", "d"}});
  Click(5);  // the last entry
  Press(G::kDeleteId);
  EXPECT_EQ(dialog.Groups().count, 3);
  EXPECT_EQ(dialog.SelectedEntry(), 2);
  EXPECT_EQ(view.texts[G::kGroupId], "c");
  EXPECT_EQ(view.ListSelection(G::kListId), 4);
  Click(3);  // the second
  Press(G::kDeleteId);
  EXPECT_EQ(dialog.SelectedEntry(), 1);
  EXPECT_EQ(view.texts[G::kGroupId], "c");
  EXPECT_EQ(Entry(0), "s|a");
  EXPECT_EQ(Entry(1), "s|c");
  EXPECT_EQ(Lines().size(), 4u);
}

TEST_F(GroupEditDialogTest, DeletingTheOnlyEntryLeavesNothingSelected) {
  Open({{"s", "a"}});
  Click(2);
  Press(G::kDeleteId);
  EXPECT_EQ(dialog.Groups().count, 0);
  EXPECT_EQ(dialog.SelectedEntry(), -1);
  EXPECT_EQ(view.texts[G::kGroupId], "");
  EXPECT_EQ(view.texts[G::kServerId], "");
  EXPECT_EQ(Lines().size(), 2u);
  EXPECT_TRUE(view.IsEnabled(G::kModifyId));  // stays enabled, does nothing
  Type("s", "z");
  Press(G::kModifyId);
  Press(G::kDeleteId);
  EXPECT_EQ(dialog.Groups().count, 0);
}

TEST_F(GroupEditDialogTest, OkDoesNotAddTheTypedPair) {
  Open({{"s", "a"}});
  Type("s", "typed");
  EXPECT_TRUE(dialog.OnOK());
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, kIdOk);
  EXPECT_EQ(dialog.Groups().count, 1);
}

struct DropTest : GroupEditDialogTest {
  std::string Folder(const std::string& group) {
    const std::string path = desk.share / Encode(group);
    test::MakeFolder(path);
    return path;
  }
};

TEST_F(DropTest, FolderBecomesServerAndDecodedGroup) {
  Open({});
  const std::string path = Folder("営業");
  dialog.HandleDroppedFile({path});
  ASSERT_EQ(dialog.Groups().count, 1);
  EXPECT_EQ(Entry(0), desk.share.Path() + "|営業");
  EXPECT_EQ(view.texts[G::kGroupId], "営業");
  EXPECT_EQ(view.texts[G::kServerId], desk.share.Path());
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(DropTest, StopsAtTheFirstRefusedAdd) {
  const std::string a = Folder("a"), b = Folder("b"), c = Folder("c");
  Open({{desk.share.Path(), "b"}});
  dialog.HandleDroppedFile({a, b, c});
  EXPECT_EQ(dialog.Groups().count, 2);
  EXPECT_EQ(Entry(1), desk.share.Path() + "|a");
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"既に登録されているグループです"});
}

TEST_F(DropTest, PlainFilesAndMissingPathsAreSkippedSilently) {
  const std::string file = desk.share / "A01.sta";
  test::WriteFileBytes(file, "x\n");
  const std::string g = Folder("g");
  Open({});
  dialog.HandleDroppedFile({file, desk.share / "missing", g});
  EXPECT_EQ(dialog.Groups().count, 1);
  EXPECT_EQ(Entry(0), desk.share.Path() + "|g");
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(DropTest, OverlongFolderNameShowsTheLimitAndStops) {
  const std::string longName = Folder(std::string(25, 'n'));
  const std::string g = Folder("g");
  Open({});
  dialog.HandleDroppedFile({longName, g});
  EXPECT_EQ(dialog.Groups().count, 0);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"24 文字以内で入力してください。"});
}

}  // namespace
}  // namespace quorvel
