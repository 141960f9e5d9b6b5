#include "group/GroupViewWindow.h"

#include "shell/ProfileKeys.h"
#include "store/StatusRecord.h"
#include "ui/Controls.h"

namespace quorvel {

namespace {
const char kAutoRefreshItem[] = "自動更新";
}  // namespace

GroupViewWindow::GroupViewWindow(int templateId, const MainWindowTraits& traits,
                                 const MemberViewStyle& style, Services& services)
    : MainWindow(templateId, traits, services),
      members_(services, style),
      watched_(services.folders) {}

void GroupViewWindow::AddAutoRefreshItem() {
  autoRefresh_ = ReadKeyNumber(services_.profile, kAutoRefreshKey) != 0;
  View().AppendSystemMenuItem(kAutoRefreshCommand, kAutoRefreshItem, false);
  View().CheckSystemMenuItem(kAutoRefreshCommand, autoRefresh_);
}

bool GroupViewWindow::OnSystemCommand(int command) {
  if (command != kAutoRefreshCommand) return MainWindow::OnSystemCommand(command);
  autoRefresh_ = !autoRefresh_;
  WriteKeyNumber(services_.profile, kAutoRefreshKey, autoRefresh_ ? 1 : 0);
  View().CheckSystemMenuItem(kAutoRefreshCommand, autoRefresh_);
  FollowShownGroup();
  if (autoRefresh_) RefreshByItself();  // what changed while it was off
  return true;
}

void GroupViewWindow::Refresh(const std::string& serverName, const std::string& group) {
  members_.Refresh(View(), serverName, group);
  pending_ = false;
  FollowShownGroup();
}

void GroupViewWindow::ProxyInput() {
  if (members_.ProxyInput(View())) Refresh();
}

void GroupViewWindow::FollowShownGroup() {
  const bool shown = !members_.ServerName().empty() && !members_.Group().empty();
  const std::string folder =
      autoRefresh_ && shown ? GroupFolderPath(members_.ServerName(), members_.Group()) : "";
  watched_.Follow(folder, View().FolderChangedPoster());
}

void GroupViewWindow::RefreshByItself() {
  if (!autoRefresh_) return;  // a change reported just before it was turned off
  if (Iconised() || childOpen_) {
    pending_ = true;
    return;
  }
  pending_ = false;
  members_.RefreshQuietly(View());
}

void GroupViewWindow::OnActivationRequest() {
  MainWindow::OnActivationRequest();
  if (pending_) RefreshByItself();
}

void GroupViewWindow::OnFolderChanged() { RefreshByItself(); }

// A modal child disables this window while it runs and enables it again as
// it closes: that is when a change held back is shown.
void GroupViewWindow::OnEnabled(bool enabled) {
  childOpen_ = !enabled;
  if (!childOpen_ && pending_) RefreshByItself();
}

void GroupViewWindow::OnClose() { watched_.End(); }

}  // namespace quorvel
