#pragma once
// One member's own status window: the status panel for the member of the
// profile, or, in proxy-input mode, for a colleague chosen in a group view.
#include "personal/IdleSpell.h"
#include "platform/FolderWatcher.h"
#include "res/resource.h"
#include "shell/Opener.h"
#include "shell/StatusPanel.h"

namespace quorvel {

class PersonalWindow : public StatusPanel {
 public:
  static constexpr int kTemplateId = IDD_PERSONAL;
  static constexpr int kSettingsId = IDC_PERSONAL_SETTINGS;
  static constexpr int kMemoNoticeCommand = IDM_MEMO_NOTICE;

  explicit PersonalWindow(Services& services);

  // Set by the opener before the run: the member (taken only in proxy-input
  // mode; otherwise the profile's identity is read again), the mode, and
  // whether the window may go to the tray.
  void SetRequest(const PersonalWindowRequest& request);
  bool ProxyInput() const { return proxyInput_; }
  bool MemoNotice() const { return memoNotice_; }

  void OnCommand(int id, int notification) override;
  // Lock and unlock of the desk's session: their automatic statuses, as
  // log-off has its own.
  void OnSessionChange(SessionChange change) override;
  // The group folder changed: the memo count again.
  void OnFolderChanged() override;
  // "伝言の通知" on the system menu of the desk's own window.
  bool OnSystemCommand(int command) override;
  // The idle check and the retry of a memo count that found the file held.
  void OnTimer(int id) override;

 protected:
  void OnOpen() override;
  void OnClose() override;
  // A proxy window was placed by its opener's desk, and writes no automatic
  // status: the desk owner's log-off is no colleague's.
  bool PlacesItself() const override { return !proxyInput_; }
  bool WritesAutomaticStatus() const override { return !proxyInput_; }

 private:
  void ChangeSettings();
  void StartMemoNotice();
  // Watches the member's group folder while the notice is on.
  void FollowMemoFolder();
  // The memo button's count; `cue` signals a count that grew by itself.
  void ShowMemoCount(bool cue);
  void StartIdleCheck();
  void CheckIdle();

  bool proxyInput_ = false;
  bool mayIconise_ = true;
  bool watchingSession_ = false;
  bool memoNotice_ = false;
  int memosWaiting_ = 0;      // as the memo button shows it
  WatchedFolder watchedFolder_;
  bool idleCheck_ = false;
  IdleSpell idleSpell_;
};

}  // namespace quorvel
