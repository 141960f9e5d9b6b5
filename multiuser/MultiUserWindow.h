#pragma once
// The multi-user edition's main window: one desk shared by up to 20
// registered users. The status panel acts for the user chosen in the
// drop-down list; "ユーザ管理" edits the users.
#include "res/resource.h"
#include "shell/ProfileRules.h"
#include "shell/StatusPanel.h"

namespace quorvel {

class MultiUserWindow : public StatusPanel {
 public:
  static constexpr int kTemplateId = IDD_MULTIUSER;
  static constexpr int kUserListId = IDC_MULTIUSER_USER;
  // The drop-down part of the user list is made this much taller.
  static constexpr int kDropDownExtra = 100;

  explicit MultiUserWindow(Services& services);

  void OnCommand(int id, int notification) override;

  const UserList& Users() const { return users_; }

 protected:
  void OnOpen() override;

 private:
  void FillUserList();
  void SelectUser();
  void ManageUsers();
  // The status buttons and the member commands work only for a user.
  void EnableUserControls(bool enabled);

  UserList users_;
};

}  // namespace quorvel
