#include "multiuser/MultiUserWindow.h"

#include <vector>

#include "multiuser/UserEditDialog.h"
#include "ui/Controls.h"
#include "ui/ListFiller.h"

namespace quorvel {

MultiUserWindow::MultiUserWindow(Services& services)
    : StatusPanel(kTemplateId, kMultiUserWindowTraits, kMultiUserStatusPanel, services) {}

void MultiUserWindow::OnOpen() {
  ShowButtonLabels();
  users_ = ReadUserList(services_.profile);
  FillUserList();
  EnableUserControls(false);
  Rect list = View().ControlRect(kUserListId);
  list.bottom += kDropDownExtra;
  View().MoveControl(kUserListId, list);
  ShowValues();
}

void MultiUserWindow::OnCommand(int id, int notification) {
  if (id == kUserListId) {
    if (notification == kNotifySelChange) SelectUser();
  } else if (id == IDC_MULTIUSER_USERS) {
    ManageUsers();
  } else {
    StatusPanel::OnCommand(id, notification);
  }
}

void MultiUserWindow::FillUserList() {
  std::vector<std::string> names;
  for (const MemberAddress& u : users_.users) names.push_back(u.name);
  FillList(View(), kUserListId, names);
}

void MultiUserWindow::EnableUserControls(bool enabled) {
  for (int id : kStatusButtonIds) View().Enable(id, enabled);
  for (int id : {IDC_PANEL_CHECK_MEMOS, IDC_PANEL_GROUP_LIST, IDC_PANEL_DISAPPEAR})
    View().Enable(id, enabled);
}

void MultiUserWindow::SelectUser() {
  const int i = View().ListSelection(kUserListId);
  if (i < 0 || i >= static_cast<int>(users_.users.size())) return;
  TakeValues();  // the remark box keeps what was typed
  const MemberAddress& user = users_.users[static_cast<std::size_t>(i)];
  member_ = {user.name, user.code, user.group, user.serverName};
  EnableUserControls(true);
  // A user without a readable status shows none, never the previous user's.
  LoadStatusOnRecord();
  ShowValues();
}

void MultiUserWindow::ManageUsers() {
  UserEditDialog dialog(services_, users_);
  if (services_.runner.Run(dialog) == kIdOk) {
    users_ = dialog.Users();
    // The list shown is the one edited even when it could not be kept.
    if (!WriteUserList(services_.profile, users_))
      services_.platform.prompt.Alert(kCannotWriteProfile);
    FillUserList();
    member_ = MemberAddress();
    statusText_.clear();
    lastUpdate_.clear();
    remark_.clear();
    ShowValues();
    EnableUserControls(false);
  }
  // Its "ボタンカスタマイズ" may have changed the labels, OK or not.
  ShowButtonLabels();
}

}  // namespace quorvel
