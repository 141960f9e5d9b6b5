#pragma once
// What the two main windows that list a group share: the member pane of the
// shown group, proxy input and memos for its selected line, and the live
// board ("自動更新"). While that is on, a change in the shown group's folder
// refreshes the list by itself: quietly, keeping the selected member, and
// never while the window is in the tray or runs a child dialog (then once it
// is back). Off, the list changes only when the user asks, as always.
#include <string>

#include "group/MemberPane.h"
#include "platform/FolderWatcher.h"
#include "res/resource.h"
#include "shell/MainWindow.h"

namespace quorvel {

class GroupViewWindow : public MainWindow {
 public:
  static constexpr int kAutoRefreshCommand = IDM_AUTO_REFRESH;

  bool OnSystemCommand(int command) override;
  void OnActivationRequest() override;
  // The watched folder changed.
  void OnFolderChanged() override;
  void OnEnabled(bool enabled) override;

  bool AutoRefresh() const { return autoRefresh_; }
  const MemberList& Members() const { return members_.Members(); }

 protected:
  GroupViewWindow(int templateId, const MainWindowTraits& traits, const MemberViewStyle& style,
                  Services& services);

  // The window's system-menu item and its setting; part of the opening.
  void AddAutoRefreshItem();
  // RefreshMembers, as "最新情報に更新" does, for this place or the one shown.
  void Refresh(const std::string& serverName, const std::string& group);
  void Refresh() { Refresh(members_.ServerName(), members_.Group()); }
  void ComposeMemo() { members_.ComposeMemo(View()); }
  // Proxy input for the selected member; the new status shows at once.
  void ProxyInput();

  void RefreshAfterRestore() override { Refresh(); }
  void OnClose() override;

 private:
  void RefreshByItself();
  // Watches the shown group's folder while the live board is on.
  void FollowShownGroup();

  MemberPane members_;
  bool autoRefresh_ = false;
  bool childOpen_ = false;
  bool pending_ = false;  // a change came while the list could not be refreshed
  WatchedFolder watched_;
};

}  // namespace quorvel
