#pragma once
// The group edition's main window: a member's view of their own group, with
// proxy input and memos for a listed member, the member's own input and
// the member's own settings.
#include "group/GroupViewWindow.h"
#include "res/resource.h"
#include "shell/ProfileRules.h"

namespace quorvel {

class GroupWindow : public GroupViewWindow {
 public:
  static constexpr int kTemplateId = IDD_GROUP;

  explicit GroupWindow(Services& services);

  void OnCommand(int id, int notification) override;

  const Identity& Own() const { return own_; }

 protected:
  void OnOpen() override;
  // The own group even when nothing is listed yet (no code of one's own).
  void RefreshAfterRestore() override { RefreshOwnGroup(); }

 private:
  void RefreshOwnGroup() { Refresh(own_.serverName, own_.group); }
  void OwnInput();
  void OwnSettings();

  Identity own_;
};

}  // namespace quorvel
