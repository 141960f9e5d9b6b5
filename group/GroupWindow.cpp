#include "group/GroupWindow.h"

#include "shell/IdentityChange.h"
#include "ui/Controls.h"

namespace quorvel {

GroupWindow::GroupWindow(Services& services)
    : GroupViewWindow(kTemplateId, kGroupWindowTraits, kGroupMemberView, services) {
  Display(IDC_SHOWN_GROUP, own_.group);
}

void GroupWindow::OnOpen() {
  own_ = ReadIdentity(services_.profile);
  AddAutoRefreshItem();
  if (HasPlace(own_)) RefreshOwnGroup();
  ShowValues();
}

void GroupWindow::OnCommand(int id, int notification) {
  switch (id) {
    case IDC_REFRESH:
      RefreshOwnGroup();
      break;
    case IDC_GROUP_PROXY_INPUT:
      ProxyInput();
      break;
    case IDC_GROUP_MEMO:
      ComposeMemo();
      break;
    case IDC_MEMBER_LIST:
      if (notification == kNotifyDoubleClick) ComposeMemo();
      break;
    case IDC_OWN_INPUT:
      OwnInput();
      break;
    case IDC_OWN_SETTINGS:
      OwnSettings();
      break;
    default:
      GroupViewWindow::OnCommand(id, notification);
  }
}

// The personal window reads the identity from the profile again; it may
// not go to the tray, as this window already can.
void GroupWindow::OwnInput() {
  PersonalWindowRequest request;
  request.member = own_;
  request.mayIconise = false;
  services_.opener.RunPersonalWindow(request);
  RefreshOwnGroup();
}

void GroupWindow::OwnSettings() {
  if (EditOwnIdentity(services_, own_)) ShowValues();
  RefreshOwnGroup();  // cancelled or not
}

}  // namespace quorvel
