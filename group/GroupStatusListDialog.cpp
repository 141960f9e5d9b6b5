#include "group/GroupStatusListDialog.h"

#include "ui/Controls.h"

namespace quorvel {

GroupStatusListDialog::GroupStatusListDialog(Services& services, const std::string& serverName,
                                             const std::string& group)
    : Dialog(kTemplateId, services.platform.prompt),
      serverName_(serverName),
      group_(group),
      members_(services, kStatusListMemberView) {
  Display(IDC_SHOWN_GROUP, group_);
}

bool GroupStatusListDialog::OnInit() {
  Dialog::OnInit();
  members_.Refresh(View(), serverName_, group_);
  return true;
}

void GroupStatusListDialog::OnCommand(int id, int notification) {
  switch (id) {
    case IDC_REFRESH:
      members_.Refresh(View());
      break;
    case IDC_MEMO:
      members_.ComposeMemo(View());
      break;
    case IDC_MEMBER_LIST:
      if (notification == kNotifyDoubleClick) members_.ComposeMemo(View());
      break;
    default:
      Dialog::OnCommand(id, notification);
  }
}

}  // namespace quorvel
