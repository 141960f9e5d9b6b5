#include "personal/PersonalWindow.h"

#include "personal/MemoNotice.h"
#include "shell/IdentityChange.h"
#include "shell/ProfileRules.h"
#include "store/StatusFile.h"
#include "ui/Controls.h"

namespace quorvel {

namespace {
const char kProxyTitle[] = "Quorvel 代理入力";
const char kMemoNoticeItem[] = "伝言の通知";

constexpr int kIdleTimer = 1;
constexpr int kMemoRecountTimer = 2;
// Often enough that the desk goes away near its minute and comes back soon
// after a touch; GetLastInputInfo costs nothing.
constexpr int kIdleCheckMs = 15 * 1000;
// A sender holds the memo file for a moment only.
constexpr int kMemoRecountMs = 500;
constexpr int kMostIdleMinutes = 720;

int IdleMinutes(Profile& profile) {
  const int m = ReadKeyNumber(profile, kIdleMinutesKey);
  return m >= 1 && m <= kMostIdleMinutes ? m : kIdleMinutesKey.numberDefault;
}

// The button pressed when the desk is left; 0 when none is set.
int IdleButton(Profile& profile) {
  const int n = ReadKeyNumber(profile, kOnIdleKey);
  return n >= 1 && n <= kStatusButtonCount ? n : 0;
}
}  // namespace

PersonalWindow::PersonalWindow(Services& services)
    : StatusPanel(kTemplateId, kPersonalWindowTraits, kPersonalStatusPanel, services),
      watchedFolder_(services.folders) {
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
    StartMemoNotice();
    StartIdleCheck();
  }
}

void PersonalWindow::OnClose() {
  if (watchingSession_) View().WatchSessionChanges(false);
  watchingSession_ = false;
  watchedFolder_.End();
  View().StopTimer(kMemoRecountTimer);
  if (idleCheck_) View().StopTimer(kIdleTimer);
  idleCheck_ = false;
}

void PersonalWindow::StartMemoNotice() {
  memoNotice_ = ReadKeyNumber(services_.profile, kMemoNoticeKey) != 0;
  View().AppendSystemMenuItem(kMemoNoticeCommand, kMemoNoticeItem, false);
  View().CheckSystemMenuItem(kMemoNoticeCommand, memoNotice_);
  FollowMemoFolder();
  ShowMemoCount(false);
}

bool PersonalWindow::OnSystemCommand(int command) {
  if (proxyInput_ || command != kMemoNoticeCommand) return StatusPanel::OnSystemCommand(command);
  memoNotice_ = !memoNotice_;
  WriteKeyNumber(services_.profile, kMemoNoticeKey, memoNotice_ ? 1 : 0);
  View().CheckSystemMenuItem(kMemoNoticeCommand, memoNotice_);
  FollowMemoFolder();
  ShowMemoCount(false);
  return true;
}

void PersonalWindow::FollowMemoFolder() {
  const std::string folder =
      memoNotice_ && HasPlace(member_) ? GroupFolderPath(member_.serverName, member_.group) : "";
  watchedFolder_.Follow(folder, View().FolderChangedPoster());
}

void PersonalWindow::ShowMemoCount(bool cue) {
  View().StopTimer(kMemoRecountTimer);
  int waiting = 0;
  if (memoNotice_) {
    bool held = false;
    waiting = WaitingMemos(services_.platform, member_, held);
    if (held) {
      // The shown count stands until the sender is done.
      View().StartTimer(kMemoRecountTimer, kMemoRecountMs);
      return;
    }
  }
  const int before = memosWaiting_;
  memosWaiting_ = waiting;
  View().SetText(IDC_PANEL_CHECK_MEMOS, MemoButtonCaption(waiting));
  if (!cue) return;
  switch (CueForCount(before, waiting, Iconised(), View().IsActive())) {
    case MemoCue::Balloon:
      View().ShowTrayBalloon(kMemoBalloonTitle, MemoBalloonText(waiting));
      break;
    case MemoCue::Flash:
      View().FlashUntilActive();
      break;
    case MemoCue::None:
      break;
  }
}

void PersonalWindow::StartIdleCheck() {
  if (services_.platform.input == nullptr || IdleButton(services_.profile) == 0) return;
  View().StartTimer(kIdleTimer, kIdleCheckMs);
  idleCheck_ = true;
}

void PersonalWindow::CheckIdle() {
  // Read at each look, so a change of the keys needs no restart.
  const int n = IdleButton(services_.profile);
  const std::uint32_t threshold =
      static_cast<std::uint32_t>(IdleMinutes(services_.profile)) * 60u * 1000u;
  switch (idleSpell_.Check(services_.platform.input->MillisecondsSinceInput(), threshold)) {
    case IdleSpell::Press::Idle:
      if (n > 0 && HasPlace(member_)) PressStatus(n);  // with the remark in its box, as a lock
      break;
    case IdleSpell::Press::Back:
      PressAutomatically(kOnUnlockKey);
      break;
    case IdleSpell::Press::None:
      break;
  }
}

void PersonalWindow::OnTimer(int id) {
  if (id == kIdleTimer && idleCheck_) CheckIdle();
  if (id == kMemoRecountTimer) ShowMemoCount(true);
}

void PersonalWindow::OnSessionChange(SessionChange change) {
  if (change == SessionChange::Lock && idleSpell_.Lock()) PressAutomatically(kOnLockKey);
  if (change == SessionChange::Unlock) {
    idleSpell_.Unlock();
    PressAutomatically(kOnUnlockKey);
  }
}

void PersonalWindow::OnFolderChanged() { ShowMemoCount(true); }

void PersonalWindow::OnCommand(int id, int notification) {
  if (id == kSettingsId) {
    ChangeSettings();
    return;
  }
  StatusPanel::OnCommand(id, notification);
  // The board may have deleted memos.
  if (id == IDC_PANEL_CHECK_MEMOS && memoNotice_) ShowMemoCount(false);
}

void PersonalWindow::ChangeSettings() {
  TakeValues();  // a remark typed meanwhile stays in its box
  // The status and last-update boxes keep what they show: a rename keeps
  // the stamp, a move brings status and stamp along.
  if (EditOwnIdentity(services_, member_)) {
    ShowValues();
    FollowMemoFolder();  // a move takes the memos to another folder
    ShowMemoCount(false);
  }
  // The settings dialog may have changed the labels, OK or not.
  ShowButtonLabels();
}

}  // namespace quorvel
