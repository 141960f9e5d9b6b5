#include "personal/MessageBoardDialog.h"

#include <algorithm>
#include <vector>

#include "store/MemoFile.h"
#include "ui/ListFiller.h"

namespace quorvel {

namespace {
const char kNoMemoFile[] = "伝言ファイルがありません";
const char kNoMemos[] = "伝言はありません";
const char kCannotWrite[] = "伝言ファイルに書き込めません";
// The store's word for a memo file that is there but cannot be written.
const char kCannotOpenForWriting[] = "伝言ファイルが作成できません";
}  // namespace

MessageBoardDialog::MessageBoardDialog(Services& services, const MemberAddress& member)
    : Dialog(kTemplateId, services.platform.prompt), services_(services), member_(member) {
  Display(IDC_BOARD_NAME, member_.name);
  Display(IDC_BOARD_CODE, member_.code);
  Display(IDC_BOARD_GROUP, member_.group);
}

bool MessageBoardDialog::OnInit() {
  Dialog::OnInit();
  FillMemoList();
  return true;
}

void MessageBoardDialog::OnCommand(int id, int notification) {
  switch (id) {
    case kDeleteId:
      DeleteSelected();
      break;
    case kRefreshId:
      FillMemoList();
      break;
    default:
      Dialog::OnCommand(id, notification);
  }
}

void MessageBoardDialog::FillMemoList() {
  View().ListReset(kListId);
  StatusRecord record = RecordFor(member_);
  shownMemos_.clear();
  if (!ReadMemos(services_.platform, record)) {
    GetPrompt().Alert(kNoMemoFile);
  } else if (record.memoCount == 0) {
    GetPrompt().Alert(kNoMemos);
  } else {
    const std::size_t count =
        std::min(static_cast<std::size_t>(record.memoCount), record.memoLines.size());
    shownMemos_.assign(record.memoLines.begin(), record.memoLines.begin() + count);
  }
  FillList(View(), kListId, shownMemos_);
}

// One exclusive open of the memo file, so a memo another desk sends while
// this one deletes is kept. The memo goes by the text that was selected:
// another desk of the same member may have deleted an earlier one, which
// moves the later ones up. The board words a failure once, in its own way.
void MessageBoardDialog::DeleteSelected() {
  const int line = View().ListSelection(kListId);
  if (line < 0 || line >= static_cast<int>(shownMemos_.size())) return;
  switch (DeleteMemoQuietly(services_.platform, RecordFor(member_), line,
                            shownMemos_[static_cast<std::size_t>(line)])) {
    case MemoDeletion::Deleted:
    case MemoDeletion::NoSuchMemo:  // gone meanwhile: show the file as it is
      FillMemoList();
      break;
    case MemoDeletion::Missing:
      GetPrompt().Alert(kNoMemoFile);
      break;
    case MemoDeletion::CannotOpen:
      GetPrompt().Alert(kCannotOpenForWriting);
      break;
    case MemoDeletion::CannotRewrite:
      GetPrompt().Alert(kCannotWrite);
      break;
  }
}

}  // namespace quorvel
