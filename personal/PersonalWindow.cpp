#include "personal/PersonalWindow.h"

#include "shell/IdentityChange.h"
#include "shell/ProfileRules.h"
#include "store/StatusFile.h"
#include "ui/Controls.h"

namespace quorvel {

namespace {
const char kProxyTitle[] = "Quorvel 代理入力";
}  // namespace

PersonalWindow::PersonalWindow(Services& services)
    : StatusPanel(kTemplateId, kPersonalWindowTraits, kPersonalStatusPanel, services) {
  Display(IDC_PANEL_NAME, member_.name);
}

void PersonalWindow::SetRequest(const PersonalWindowRequest& request) {
  member_ = request.member;
  proxyInput_ = request.proxyInput;
  mayIconise_ = request.mayIconise;
}

void PersonalWindow::OnOpen() {
  ShowButtonLabels();
  if (!proxyInput_) {
    member_ = ReadIdentity(services_.profile);
    // A name typed by hand past what the status file holds shows as stored.
    member_.name = StoredName(member_.name);
  }
  LoadStatusOnRecord();
  if (proxyInput_) {
    for (int id : {kSettingsId, IDC_PANEL_CHECK_MEMOS, IDC_PANEL_DISAPPEAR, IDC_PANEL_ICONISE})
      View().Enable(id, false);
    View().SetTitle(kProxyTitle);
  }
  if (!mayIconise_) View().Enable(IDC_PANEL_ICONISE, false);
  ShowValues();
  // Only the desk's own window follows the desk's session.
  if (!proxyInput_) {
    View().WatchSessionChanges(true);
    watchingSession_ = true;
  }
}

void PersonalWindow::OnClose() {
  if (watchingSession_) View().WatchSessionChanges(false);
  watchingSession_ = false;
}

bool PersonalWindow::OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t /*lParam*/,
                               std::intptr_t& result) {
  if (message != kSessionChangeMessage) return false;
  const int change = static_cast<int>(wParam);
  if (change == kSessionLock) PressAutomatically("OnLock");
  if (change == kSessionUnlock) PressAutomatically("OnUnlock");
  result = 0;
  return true;
}

void PersonalWindow::OnCommand(int id, int notification) {
  if (id == kSettingsId) {
    ChangeSettings();
    return;
  }
  StatusPanel::OnCommand(id, notification);
}

void PersonalWindow::ChangeSettings() {
  TakeValues();  // a remark typed meanwhile stays in its box
  // The status and last-update boxes keep what they show: a rename keeps
  // the stamp, a move brings status and stamp along.
  if (EditOwnIdentity(services_, member_)) ShowValues();
  // The settings dialog may have changed the labels, OK or not.
  ShowButtonLabels();
}

}  // namespace quorvel
