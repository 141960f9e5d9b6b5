#include <gtest/gtest.h>

#include <cstdio>

#include "personal/ButtonCustomizeDialog.h"
#include "personal/MemoComposeDialog.h"
#include "personal/MessageBoardDialog.h"
#include "personal/SettingsDialog.h"
#include "store/MemoFile.h"
#include "tests/support/Desk.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

struct PersonalDialogsTest : ::testing::Test {
  test::Desk desk;
  FakeView view;

  MemberAddress Member(const std::string& code) { return {"鈴木", code, "営業", desk.share.Path()}; }
  void Open(Dialog& dialog) {
    dialog.Attach(&view);
    dialog.OnInit();
  }
  std::string Memos(const std::string& code) {
    return test::ReadFileBytes(desk.MemoPath("営業", code));
  }
};

TEST_F(PersonalDialogsTest, AMemoToALongUserListCodeIsSentAsTyped) {
  const std::string code(24, 'C');  // codes of the user list may be 24 bytes
  desk.PutMember("営業", code, "x " + code + " In 1999061508000000\n");
  MemoComposeDialog dialog(desk.services, Member(code));
  Open(dialog);
  EXPECT_EQ(view.texts[IDC_MEMO_CODE], code);
  view.texts[IDC_MEMO_TEXT] = "会議は3時から";
  dialog.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_TRUE(desk.prompt.shown.empty());
  EXPECT_EQ(Memos(code), Encode("会議は3時から") + "\n");
  EXPECT_TRUE(view.ended);
}

// A code read from a hand-made file may end in half a character, which a
// box hands back as other bytes: the memo still goes to that member.
TEST_F(PersonalDialogsTest, AMemoGoesToTheAddresseeNotWhatTheBoxesGiveBack) {
  const std::string code = "C\x82";
  desk.PutMember("営業", code, "x " + Encode(code) + " In 1999061508000000\n");
  MemoComposeDialog dialog(desk.services, Member(code));
  Open(dialog);
  view.texts[IDC_MEMO_CODE] = "C\x81\x45";
  view.texts[IDC_MEMO_GROUP] = "";
  view.texts[IDC_MEMO_TEXT] = "至急";
  dialog.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_TRUE(desk.prompt.shown.empty());
  EXPECT_EQ(Memos(code), Encode("至急") + "\n");
}

TEST_F(PersonalDialogsTest, DeletingOnTheBoardKeepsAMemoSentMeanwhile) {
  desk.PutMember("営業", "B02", "x B02 In 1999061508000000\n");
  test::WriteFileBytes(desk.MemoPath("営業", "B02"), "a\nb\n");
  MessageBoardDialog board(desk.services, Member("B02"));
  Open(board);
  ASSERT_EQ(view.Lines(MessageBoardDialog::kListId), (std::vector<std::string>{"a", "b"}));
  // Another desk sends while the list is up.
  ASSERT_TRUE(SendMemo(desk.platform, RecordFor(Member("B02")), "c"));
  view.ListSelect(MessageBoardDialog::kListId, 0);
  board.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);
  EXPECT_EQ(Memos("B02"), "b\nc\n");
  EXPECT_EQ(view.Lines(MessageBoardDialog::kListId), (std::vector<std::string>{"b", "c"}));
  EXPECT_TRUE(desk.prompt.shown.empty());
}

// Two desks of one member, each with the board open on A, B, C.
TEST_F(PersonalDialogsTest, TheBoardDeletesTheSelectedMemoAfterAnotherDeskDeleted) {
  desk.PutMember("営業", "B02", "x B02 In 1999061508000000\n");
  test::WriteFileBytes(desk.MemoPath("営業", "B02"), "A\nB\nC\n");
  MessageBoardDialog board(desk.services, Member("B02"));
  Open(board);
  FakeView otherView;
  MessageBoardDialog other(desk.services, Member("B02"));
  other.Attach(&otherView);
  other.OnInit();

  otherView.ListSelect(MessageBoardDialog::kListId, 0);
  other.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);  // A, at the other desk
  ASSERT_EQ(Memos("B02"), "B\nC\n");
  view.ListSelect(MessageBoardDialog::kListId, 1);
  board.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);  // B, shown second here
  EXPECT_EQ(Memos("B02"), "C\n");
  EXPECT_EQ(view.Lines(MessageBoardDialog::kListId), std::vector<std::string>{"C"});

  // The other desk still shows B, C: B is gone, so nothing is deleted and
  // the board shows the file as it now is.
  otherView.ListSelect(MessageBoardDialog::kListId, 0);
  other.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);
  EXPECT_EQ(Memos("B02"), "C\n");
  EXPECT_EQ(otherView.Lines(MessageBoardDialog::kListId), std::vector<std::string>{"C"});
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(PersonalDialogsTest, TheBoardWordsEachFailureOnce) {
  desk.PutMember("営業", "B02", "x B02 In 1999061508000000\n");
  test::WriteFileBytes(desk.MemoPath("営業", "B02"), "a\n");
  MessageBoardDialog board(desk.services, Member("B02"));
  Open(board);
  std::remove(test::NativePath(desk.MemoPath("営業", "B02")).c_str());
  view.ListSelect(MessageBoardDialog::kListId, 0);
  board.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"伝言ファイルがありません"});
  EXPECT_EQ(view.Lines(MessageBoardDialog::kListId), std::vector<std::string>{"a"})
      << "the list is left as it was";

  // A memo file another desk holds through the retries cannot be written.
  test::WriteFileBytes(desk.MemoPath("営業", "B02"), "a\n");
  desk.prompt.Clear();
  {
    std::unique_ptr<FileSystem> otherDesk = test::MakeRealFileSystem();
    OpenResult held = otherDesk->Open(desk.MemoPath("営業", "B02"), FileAccess::ReadWrite,
                                      FileShare::None, FileDisposition::OpenExisting);
    ASSERT_TRUE(held.file);
    view.ListSelect(MessageBoardDialog::kListId, 0);
    board.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);
  }
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"伝言ファイルが作成できません"});
  EXPECT_EQ(view.Lines(MessageBoardDialog::kListId), std::vector<std::string>{"a"});
  EXPECT_EQ(Memos("B02"), "a\n");

  // Without a selection nothing happens at all.
  desk.prompt.Clear();
  view.ListSelect(MessageBoardDialog::kListId, -1);
  board.OnCommand(MessageBoardDialog::kDeleteId, kNotifyClicked);
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(PersonalDialogsTest, ALengthMessageKeepsTheSettingsOpen) {
  const std::string longServer(100, 's');
  const std::string dropped = desk.share / "other.ini";
  desk.profile.foreign[dropped][test::MemoryProfile::Key("System", "ServerName")] = longServer;
  desk.profile.foreign[dropped][test::MemoryProfile::Key("Button", "Button3")] = "会議";
  SettingsDialog dialog(desk.services, Member("B02"));
  Open(dialog);
  dialog.HandleDroppedFile({dropped, desk.share / "second.ini"});
  EXPECT_EQ(view.texts[IDC_SETTINGS_SERVER], longServer);
  EXPECT_EQ(view.texts[IDC_SETTINGS_NAME], "鈴木") << "a key the file lacks keeps its box";
  EXPECT_EQ(desk.profile.ReadText("Button", "Button3", ""), "会議") << "written at once";

  dialog.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"64 文字以内で入力してください。"});
  EXPECT_FALSE(view.ended);
  EXPECT_EQ(view.focus, IDC_SETTINGS_SERVER);
  dialog.OnCommand(kIdCancel, kNotifyClicked);
  EXPECT_EQ(desk.profile.ReadText("Button", "Button3", ""), "会議") << "cancel keeps the drop's labels";
}

TEST_F(PersonalDialogsTest, ADroppedIdentityFillsEachBoxToItsLimitInWholeCharacters) {
  const std::string dropped = desk.share / "other.ini";
  auto& file = desk.profile.foreign[dropped];
  using test::MemoryProfile;
  file[MemoryProfile::Key("Personal", "MyCode")] = "0123456789abcdef";
  file[MemoryProfile::Key("Personal", "MyName")] = "山田山田山田山田";
  file[MemoryProfile::Key("Personal", "Group")] = std::string(24, 'g');
  SettingsDialog dialog(desk.services, Member("B02"));
  Open(dialog);
  dialog.HandleDroppedFile({dropped});
  dialog.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(dialog.Identity().code, "0123456789abcdef");
  EXPECT_EQ(dialog.Identity().name, "山田山田山田山田");
  EXPECT_EQ(dialog.Identity().group, std::string(24, 'g'));

  // Past what a read takes: cut between characters, and longer than the
  // box, which says so rather than keeping another name.
  std::string kanji;
  for (int i = 0; i < 200; ++i) kanji += "山";
  file[MemoryProfile::Key("Personal", "MyName")] = kanji;
  SettingsDialog again(desk.services, Member("B02"));
  FakeView other;
  again.Attach(&other);
  again.OnInit();
  again.HandleDroppedFile({dropped});
  EXPECT_EQ(other.texts[IDC_SETTINGS_NAME], kanji.substr(0, 254));
  again.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"16 文字以内で入力してください。"});
}

TEST_F(PersonalDialogsTest, ALengthMessageKeepsTheLabelsOpenAndUnwritten) {
  const std::string dropped = desk.share / "other.ini";
  desk.profile.foreign[dropped][test::MemoryProfile::Key("Button", "Button2")] =
      "Sixteen-byte-lbl";  // the box takes 12
  ButtonCustomizeDialog dialog(desk.services);
  Open(dialog);
  dialog.HandleDroppedFile({dropped});
  EXPECT_EQ(view.texts[LabelBoxId(2)], "Sixteen-byte-lbl");
  dialog.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"12 文字以内で入力してください。"});
  EXPECT_FALSE(view.ended);
  EXPECT_TRUE(desk.profile.writes.empty()) << "no half-saved labels";

  view.texts[LabelBoxId(2)] = "";
  dialog.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_TRUE(view.ended);
  ASSERT_EQ(desk.profile.writes.size(), 21u);
  EXPECT_EQ(desk.profile.writes[0].value, "項目1");
  EXPECT_EQ(desk.profile.writes[1].value, "") << "an emptied box is written empty";
}

TEST_F(PersonalDialogsTest, LabelsThatCannotBeSavedAreSaidOnce) {
  desk.profile.readOnly = true;
  ButtonCustomizeDialog labels(desk.services);
  Open(labels);
  labels.OnCommand(kIdOk, kNotifyClicked);
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"設定ファイルに書き込めません"});
  EXPECT_FALSE(view.ended) << "the labels typed stay to be saved or cancelled";

  desk.prompt.Clear();
  const std::string dropped = desk.share / "other.ini";
  for (const char* key : {"Button1", "Button2", "Button3"})
    desk.profile.foreign[dropped][test::MemoryProfile::Key("Button", key)] = "会議";
  SettingsDialog settings(desk.services, Member("B02"));
  Open(settings);
  settings.HandleDroppedFile({dropped});
  EXPECT_EQ(desk.prompt.Texts(), std::vector<std::string>{"設定ファイルに書き込めません"});
}

}  // namespace
}  // namespace quorvel
