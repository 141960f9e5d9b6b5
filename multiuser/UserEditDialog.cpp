#include "multiuser/UserEditDialog.h"

#include "platform/TextHelpers.h"
#include "shell/FieldLimits.h"
#include "ui/Controls.h"

namespace quorvel {

const char kUserEditHeading[] = "氏名             | コード           | グループ";

namespace {

constexpr std::size_t kColumn = 16;
const char kNoPlace[] = "サーバ名、グループを正しく入力して下さい";
const char kNoCodeOrName[] = "コード、氏名を正しく入力して下さい";
const char kAlreadyListed[] = "既に登録されているユーザーです";
const char kTooMany[] = "登録できる最大のユーザー数を越えます";

}  // namespace

std::string UserLine(const MemberAddress& user) {
  return PadRight(user.name, kColumn) + " | " + PadRight(user.code, kColumn) + " | " + user.group;
}

UserEditDialog::UserEditDialog(Services& services, const UserList& users)
    : FileDropDialog(kTemplateId, services.platform.prompt),
      services_(services),
      table_(kListId, kUserEditHeading, UserLine) {
  table_.rows = users.users;
  if (table_.rows.size() > static_cast<std::size_t>(UserList::kMaxUsers))
    table_.rows.resize(UserList::kMaxUsers);
  Exchange(IDC_USER_EDIT_SERVER, boxes_.serverName, kServerLimit);
  Exchange(IDC_USER_EDIT_GROUP, boxes_.group, kGroupLimit);
  Exchange(IDC_USER_EDIT_CODE, boxes_.code, kCodeLimit);
  Exchange(IDC_USER_EDIT_NAME, boxes_.name, kNameLimit);
}

bool UserEditDialog::OnInit() {
  Dialog::OnInit();
  Rebuild();
  return true;
}

void UserEditDialog::OnCommand(int id, int notification) {
  switch (id) {
    case kListId:
      if (notification == kNotifySelChange) SelectionChanged();
      break;
    case IDC_USER_EDIT_ADD:
      Add();
      break;
    case IDC_USER_EDIT_MODIFY:
      Modify();
      break;
    case IDC_USER_EDIT_DELETE:
      Delete();
      break;
    case IDC_USER_EDIT_BUTTONS:
      services_.opener.CustomizeButtons();
      break;
    default:
      FileDropDialog::OnCommand(id, notification);
  }
}

void UserEditDialog::EnableUserButtons(bool enabled) {
  View().Enable(IDC_USER_EDIT_MODIFY, enabled);
  View().Enable(IDC_USER_EDIT_DELETE, enabled);
}

void UserEditDialog::ShowUser(const MemberAddress& user) {
  boxes_ = user;
  ShowValues();
}

void UserEditDialog::Rebuild() {
  table_.Fill(View());
  EnableUserButtons(!table_.rows.empty());
  ShowValues();
}

void UserEditDialog::SelectionChanged() {
  switch (table_.SelectionChanged(View())) {
    case TablePick::Row:
      EnableUserButtons(true);
      ShowUser(table_.Selected());
      break;
    case TablePick::Heading:
      ShowUser(MemberAddress());
      EnableUserButtons(false);
      break;
    case TablePick::Nothing:
      break;
  }
}

bool UserEditDialog::BoxesFilled() {
  if (boxes_.serverName.empty() || boxes_.group.empty()) {
    GetPrompt().Alert(kNoPlace);
    return false;
  }
  if (boxes_.name.empty() || boxes_.code.empty()) {
    GetPrompt().Alert(kNoCodeOrName);
    return false;
  }
  return true;
}

bool UserEditDialog::Add() {
  if (!TakeValues() || !BoxesFilled()) return false;
  // The same place and code is the same user, whatever the name; case counts.
  for (const MemberAddress& u : table_.rows) {
    if (u.serverName == boxes_.serverName && u.group == boxes_.group && u.code == boxes_.code) {
      GetPrompt().Alert(kAlreadyListed);
      return false;
    }
  }
  if (table_.rows.size() >= static_cast<std::size_t>(UserList::kMaxUsers)) {
    GetPrompt().Alert(kTooMany);
    return false;
  }
  table_.Append(boxes_);
  Rebuild();
  table_.ShowSelection(View());
  return true;
}

void UserEditDialog::Modify() {
  if (!TakeValues() || !BoxesFilled() || !table_.HasSelection()) return;
  // No duplicate test: a modify may make two users equal.
  table_.rows[static_cast<std::size_t>(table_.selected)] = boxes_;
  Rebuild();
  table_.ShowSelection(View());
}

void UserEditDialog::Delete() {
  if (!table_.HasSelection()) return;
  table_.RemoveSelected();
  boxes_ = table_.HasSelection() ? table_.Selected() : MemberAddress();
  Rebuild();
  table_.ShowSelection(View());
}

void UserEditDialog::HandleDroppedFile(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const Identity dropped = ReadForeignIdentity(services_.profile, paths.front(), Identity());
  if (dropped.serverName.empty() || dropped.group.empty() || dropped.code.empty() ||
      dropped.name.empty())
    return;
  ShowUser(dropped);
  Add();
}

}  // namespace quorvel
