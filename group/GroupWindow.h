#pragma once
// The group edition's main window: a member's view of their own group, with
// proxy input and memos for a listed member, the member's own input and
// the member's own settings.
#include "group/MemberPane.h"
#include "res/resource.h"
#include "shell/MainWindow.h"
#include "shell/ProfileRules.h"

namespace quorvel {

class GroupWindow : public MainWindow {
 public:
  static constexpr int kTemplateId = IDD_GROUP;

  explicit GroupWindow(Services& services);

  void OnCommand(int id, int notification) override;

  const Identity& Own() const { return own_; }
  const MemberList& Members() const { return members_.Members(); }

 protected:
  void OnOpen() override;
  void RefreshAfterRestore() override { Refresh(); }

 private:
  void Refresh() { members_.Refresh(View(), own_.serverName, own_.group); }
  void OwnInput();
  void OwnSettings();

  Identity own_;
  MemberPane members_;
};

}  // namespace quorvel
