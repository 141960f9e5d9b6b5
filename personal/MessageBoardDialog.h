#pragma once
// The memos waiting for one member, in file order, each deleted on its own.
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/MemberAddress.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

class MessageBoardDialog : public Dialog {
 public:
  static constexpr int kTemplateId = IDD_MESSAGE_BOARD;
  static constexpr int kListId = IDC_BOARD_LIST;
  static constexpr int kDeleteId = IDC_BOARD_DELETE;
  static constexpr int kRefreshId = IDC_BOARD_REFRESH;

  MessageBoardDialog(Services& services, const MemberAddress& member);

  bool OnInit() override;
  void OnCommand(int id, int notification) override;

 private:
  // Reads the memo file again and lists its memos.
  void FillMemoList();
  void DeleteSelected();

  Services& services_;
  MemberAddress member_;
  // The memos as the list shows them, in its order.
  std::vector<std::string> shownMemos_;
};

}  // namespace quorvel
