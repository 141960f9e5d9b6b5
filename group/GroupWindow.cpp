#include "group/GroupWindow.h"

#include "shell/IdentityChange.h"
#include "ui/Controls.h"

namespace quorvel {

GroupWindow::GroupWindow(Services& services)
    : MainWindow(kTemplateId, kGroupWindowTraits, services),
      members_(services, kGroupMemberView) {
  Exchange(IDC_SHOWN_GROUP, own_.group);
}

void GroupWindow::OnOpen() {
  own_ = ReadIdentity(services_.profile);
  if (HasPlace(own_)) Refresh();
  ShowValues();
}

void GroupWindow::OnCommand(int id, int notification) {
  switch (id) {
    case IDC_REFRESH:
      Refresh();
      break;
    case IDC_GROUP_PROXY_INPUT:
      if (members_.ProxyInput(View())) Refresh();
      break;
    case IDC_GROUP_MEMO:
      members_.ComposeMemo(View());
      break;
    case IDC_MEMBER_LIST:
      if (notification == kNotifyDoubleClick) members_.ComposeMemo(View());
      break;
    case IDC_OWN_INPUT:
      OwnInput();
      break;
    case IDC_OWN_SETTINGS:
      OwnSettings();
      break;
    default:
      MainWindow::OnCommand(id, notification);
  }
}

// The personal window reads the identity from the profile again; it may
// not go to the tray, as this window already can.
void GroupWindow::OwnInput() {
  PersonalWindowRequest request;
  request.member = own_;
  request.mayIconise = false;
  services_.opener.RunPersonalWindow(request);
  Refresh();
}

void GroupWindow::OwnSettings() {
  if (EditOwnIdentity(services_, own_)) ShowValues();
  Refresh();  // cancelled or not
}

}  // namespace quorvel
