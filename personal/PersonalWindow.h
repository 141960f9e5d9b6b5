#pragma once
// One member's own status window: the status panel for the member of the
// profile, or, in proxy-input mode, for a colleague chosen in a group view.
#include "res/resource.h"
#include "shell/Opener.h"
#include "shell/StatusPanel.h"

namespace quorvel {

class PersonalWindow : public StatusPanel {
 public:
  static constexpr int kTemplateId = IDD_PERSONAL;
  static constexpr int kSettingsId = IDC_PERSONAL_SETTINGS;

  explicit PersonalWindow(Services& services);

  // Set by the opener before the run: the member (taken only in proxy-input
  // mode; otherwise the profile's identity is read again), the mode, and
  // whether the window may go to the tray.
  void SetRequest(const PersonalWindowRequest& request);
  bool ProxyInput() const { return proxyInput_; }

  void OnCommand(int id, int notification) override;
  // Lock and unlock of the desk's session: the automatic statuses of
  // "OnLock" and "OnUnlock", as log-off has "OnExit".
  bool OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                 std::intptr_t& result) override;

 protected:
  void OnOpen() override;
  void OnClose() override;
  // A proxy window was placed by its opener's desk, and writes no automatic
  // status: the desk owner's log-off is no colleague's.
  bool PlacesItself() const override { return !proxyInput_; }
  bool WritesAutomaticStatus() const override { return !proxyInput_; }

 private:
  void ChangeSettings();

  bool proxyInput_ = false;
  bool mayIconise_ = true;
  bool watchingSession_ = false;
};

}  // namespace quorvel
