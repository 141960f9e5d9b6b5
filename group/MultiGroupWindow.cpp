#include "group/MultiGroupWindow.h"

#include <utility>
#include <vector>

#include "group/GroupEditDialog.h"
#include "group/MemberView.h"
#include "ui/Controls.h"
#include "ui/ListFiller.h"

namespace quorvel {

MultiGroupWindow::MultiGroupWindow(Services& services, std::string groupListPath)
    : MainWindow(kTemplateId, kMultiGroupWindowTraits, services),
      groupListPath_(std::move(groupListPath)) {}

bool MultiGroupWindow::OnInit() {
  Dialog::OnInit();
  RunOpenSteps();
  View().SetTitle(Traits().title);
  FillGroupList();
  PlaceWindow();
  return true;
}

void MultiGroupWindow::OnCommand(int id, int notification) {
  switch (id) {
    case kGroupListId:
      if (notification == kNotifySelChange) ChooseGroup();
      break;
    case kMemberListId:
      if (notification == kNotifyDoubleClick) Memo();
      break;
    case kRefreshId:
      RefreshMembers();
      break;
    case kMemoId:
      Memo();
      break;
    case kProxyInputId:
      ProxyInput();
      break;
    case kGroupManagementId:
      ManageGroups();
      break;
    default:
      MainWindow::OnCommand(id, notification);
  }
}

void MultiGroupWindow::FillGroupList() {
  View().ListReset(kGroupListId);
  ReadGroupList(services_.platform, groups_, groupListPath_);
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

void MultiGroupWindow::RefreshMembers() {
  quorvel::RefreshMembers(services_.platform, View(), kMemberListId, members_, shownServerName_,
                          shownGroup_, kMultiGroupMemberView);
}

bool MultiGroupWindow::SelectedMember(MemberAddress& out) {
  // Every refresh refills the list whole, so a selected line is the member
  // at that position of the latest load.
  const int line = View().ListSelection(kMemberListId);
  if (line < 0 || line >= members_.memberCount ||
      line >= static_cast<int>(members_.members.size()))
    return false;
  const StatusRecord& member = members_.members[line];
  out = {shownServerName_, shownGroup_, member.code, member.name};
  return true;
}

void MultiGroupWindow::Memo() {
  MemberAddress member;
  if (!SelectedMember(member)) return;
  ComposeMemo(member);
}

void MultiGroupWindow::ProxyInput() {
  MemberAddress member;
  if (!SelectedMember(member)) return;
  RunProxyInput(member);
  RefreshMembers();
}

void MultiGroupWindow::ManageGroups() {
  GroupEditDialog dialog(services_.platform);
  // The dialog starts from the file, not from what this window holds.
  ReadGroupList(services_.platform, groups_, groupListPath_);
  dialog.SetGroups(groups_);
  if (services_.runner.Run(dialog) != kIdOk) return;
  groups_ = dialog.Groups();
  WriteGroupList(services_.platform, groups_, groupListPath_);
  // Refilled from the file, so the list shows what was saved; a refused
  // save brings the old entries back.
  FillGroupList();
}

// The memo dialog and the personal window are not in the program yet; until
// they are, memo and proxy input hand over to nothing.
void MultiGroupWindow::ComposeMemo(const MemberAddress& /*member*/) {}

void MultiGroupWindow::RunProxyInput(const MemberAddress& /*member*/) {}

}  // namespace quorvel
