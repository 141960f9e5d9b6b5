#include "group/MultiGroupWindow.h"

#include <utility>
#include <vector>

#include "group/GroupEditDialog.h"
#include "ui/Controls.h"
#include "ui/ListFiller.h"

namespace quorvel {

namespace {
const char kEditionSelectItem[] = "エディション選択";
}  // namespace

MultiGroupWindow::MultiGroupWindow(Services& services, std::string groupListPath)
    : GroupViewWindow(kTemplateId, kMultiGroupWindowTraits, kMultiGroupMemberView, services),
      groupListPath_(std::move(groupListPath)) {}

void MultiGroupWindow::OnOpen() {
  // Right after the version item, so a member finds the other editions
  // without a command line.
  View().AppendSystemMenuItem(kEditionSelectCommand, kEditionSelectItem, false);
  AddAutoRefreshItem();
  FillGroupList();
}

bool MultiGroupWindow::OnSystemCommand(int command) {
  if (command != kEditionSelectCommand) return GroupViewWindow::OnSystemCommand(command);
  services_.opener.ChooseEdition();
  return true;
}

void MultiGroupWindow::OnCommand(int id, int notification) {
  switch (id) {
    case kGroupListId:
      if (notification == kNotifySelChange) ChooseGroup();
      break;
    case kMemberListId:
      if (notification == kNotifyDoubleClick) ComposeMemo();
      break;
    case kRefreshId:
      RefreshMembers();
      break;
    case kMemoId:
      ComposeMemo();
      break;
    case kProxyInputId:
      ProxyInput();
      break;
    case kGroupManagementId:
      ManageGroups();
      break;
    default:
      GroupViewWindow::OnCommand(id, notification);
  }
}

void MultiGroupWindow::FillGroupList() {
  // A file that another process holds through the retries keeps the list
  // as it is shown.
  if (ReadGroupList(services_.platform, groups_, groupListPath_) == GroupListRead::Unreadable) return;
  View().ListReset(kGroupListId);
  std::vector<std::string> lines;
  for (int i = 0; i < groups_.count && i < static_cast<int>(groups_.groups.size()); ++i)
    lines.push_back(groups_.groups[i]);
  FillList(View(), kGroupListId, lines);
}

void MultiGroupWindow::ChooseGroup() {
  const int entry = View().ListSelection(kGroupListId);
  // The list is not sorted, so its position is the table index.
  if (entry < 0 || entry >= groups_.count || entry >= static_cast<int>(groups_.groups.size()))
    return;
  shownServerName_ = groups_.serverNames[entry];
  shownGroup_ = groups_.groups[entry];
  View().SetText(kShownGroupId, shownGroup_);
  RefreshMembers();
}

void MultiGroupWindow::RefreshMembers() { Refresh(shownServerName_, shownGroup_); }

void MultiGroupWindow::ManageGroups() {
  GroupEditDialog dialog(services_);
  // The dialog starts from the file, not from what this window holds (or,
  // when the file cannot be read just now, from what the window shows).
  ReadGroupList(services_.platform, groups_, groupListPath_);
  dialog.SetGroups(groups_);
  if (services_.runner.Run(dialog) != kIdOk) return;
  RegisteredGroups edited = dialog.Groups();
  // Lines beyond those the dialog shows go back into the file as they were.
  edited.unshownLines = groups_.unshownLines;
  // Refilled from the file, so the list shows what was saved; a refused
  // save leaves the file, and the list that shows it, as they were.
  if (WriteGroupList(services_.platform, edited, groupListPath_)) FillGroupList();
}

}  // namespace quorvel
