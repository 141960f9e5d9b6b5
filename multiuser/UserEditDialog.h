#pragma once
// Edits a copy of the multi-user desk's users; the window takes the list
// back and saves it only after OK. Users come from the four boxes or from a
// member's profile file dropped onto the dialog.
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/ProfileRules.h"
#include "shell/Services.h"
#include "ui/Dialog.h"
#include "ui/TableEditor.h"

namespace quorvel {

class UserEditDialog : public FileDropDialog {
 public:
  static constexpr int kTemplateId = IDD_USER_EDIT;
  static constexpr int kListId = IDC_USER_EDIT_LIST;

  UserEditDialog(Services& services, const UserList& users);

  UserList Users() const { return {table_.rows}; }
  int SelectedUser() const { return table_.selected; }

  bool OnInit() override;
  void OnCommand(int id, int notification) override;
  // A dropped profile file whose four identity keys are all set adds that
  // member at once, as "リストに追加" does; anything else is ignored.
  void HandleDroppedFile(const std::vector<std::string>& paths) override;

  bool Add();  // true when the user was added

 private:
  void Rebuild();
  void SelectionChanged();
  void Modify();
  void Delete();
  // The messages of add and modify for empty boxes; false after one.
  bool BoxesFilled();
  void ShowUser(const MemberAddress& user);
  void EnableUserButtons(bool enabled);

  Services& services_;
  MemberAddress boxes_;
  TableEditor<MemberAddress> table_;
};

// "%-16s | %-16s | %s": name, code and group; the server name is not shown.
std::string UserLine(const MemberAddress& user);
extern const char kUserEditHeading[];

}  // namespace quorvel
