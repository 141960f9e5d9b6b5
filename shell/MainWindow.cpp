#include "shell/MainWindow.h"

#include "res/resource.h"
#include "shell/ProfileKeys.h"
#include "shell/VersionPanel.h"
#include "ui/Controls.h"

namespace quorvel {

const MainWindowTraits kPersonalWindowTraits = [] {
  MainWindowTraits t;
  t.title = "Quorvelパーソナル";
  t.iconiseControl = IDC_PANEL_ICONISE;
  t.closeControl = kIdCancel;
  t.windowIcon = IDI_PERSONAL;
  t.trayIcon = IDI_PERSONAL_TRAY;
  t.edition = Edition::Personal;
  return t;
}();
const MainWindowTraits kGroupWindowTraits = [] {
  MainWindowTraits t;
  t.title = "Quorvelグループ";
  t.iconiseControl = kIdCancel;
  t.closeControl = IDC_CLOSE_WINDOW;
  t.windowIcon = IDI_GROUP;
  t.trayIcon = IDI_GROUP_TRAY;
  t.trayRestoreRefreshes = true;
  t.edition = Edition::Group;
  return t;
}();
const MainWindowTraits kMultiUserWindowTraits = [] {
  MainWindowTraits t;
  t.title = "Quorvelマルチユーザー";
  t.iconiseControl = IDC_PANEL_ICONISE;
  t.closeControl = kIdCancel;
  t.windowIcon = IDI_MULTIUSER;
  t.trayIcon = IDI_MULTIUSER_TRAY;
  t.edition = Edition::MultiUser;
  return t;
}();
const MainWindowTraits kMultiGroupWindowTraits = [] {
  MainWindowTraits t;
  t.title = "Quorvelマルチグループ";
  t.iconiseControl = kIdCancel;
  t.closeControl = IDC_CLOSE_WINDOW;
  t.windowIcon = IDI_MULTIGROUP;
  t.trayIcon = IDI_MULTIGROUP_TRAY;
  t.trayRestoreRefreshes = true;
  t.edition = Edition::MultiGroup;
  return t;
}();

const char kTrayTip[] = "Quorvel";

MainWindow::MainWindow(int templateId, const MainWindowTraits& traits, Services& services)
    : Dialog(templateId, services.platform.prompt), services_(services), traits_(traits) {}

bool MainWindow::OnInit() {
  Dialog::OnInit();
  RunOpenSteps();
  View().SetTitle(traits_.title);
  OnOpen();
  if (PlacesItself()) PlaceWindow();
  return true;
}

void MainWindow::OnDestroy() {
  SavePosition();
  OnClose();
}

void MainWindow::OnCommand(int id, int /*notification*/) {
  if (id == traits_.iconiseControl) {
    Iconise();
  } else if (id == traits_.closeControl) {
    Close();
  }
  // Anything else, the hidden OK included, is not ours.
}

bool MainWindow::OnOK() { return false; }

void MainWindow::OnCancel() {
  if (traits_.iconiseControl == kIdCancel) {
    Iconise();
  } else {
    Close();
  }
}

void MainWindow::Close() { View().End(traits_.closeControl == kIdCancel ? kIdCancel : 0); }

void MainWindow::RunOpenSteps() {
  // The new window still carries its template's caption (with a blank), so
  // it never finds itself here.
  handedOver_ = View().PostActivationRequest(traits_.title);
  if (handedOver_) View().End(0);
  const std::string item = View().LoadText(kVersionStringId);
  if (!item.empty()) View().AppendSystemMenuItem(kVersionCommand, item, true);
  View().SetIcons(traits_.windowIcon);
}

void MainWindow::PlaceWindow() {
  const Rect normal = View().NormalRect();
  const int w = normal.Width();
  const int h = normal.Height();
  const Rect desk = View().DesktopRect();
  Profile& profile = services_.profile;
  // The profile may hold any integer: the sums below are taken wide, and
  // the clamps bring the result back into the desktop's range.
  long long left = ReadKeyNumber(profile, kWindowLeftKey, (desk.right - w) / 2);
  long long top = ReadKeyNumber(profile, kWindowTopKey, (desk.bottom - h) / 2);
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  // After the clamp to 0, so a window larger than the desktop keeps its
  // right and bottom edges on the desktop's and goes negative.
  if (left + w >= desk.right) left = static_cast<long long>(desk.right) - w;
  if (top + h >= desk.bottom) top = static_cast<long long>(desk.bottom) - h;
  View().Place(static_cast<int>(left), static_cast<int>(top), w, h);
}

void MainWindow::SavePosition() {
  const Rect normal = View().NormalRect();
  WriteKeyNumber(services_.profile, kWindowTopKey, normal.top);
  WriteKeyNumber(services_.profile, kWindowLeftKey, normal.left);
}

void MainWindow::Iconise() {
  // Without an icon in the tray a hidden window could be reached only by
  // opening the program again, so it stays shown.
  if (!View().AddTrayIcon(traits_.trayIcon, kTrayTip)) return;
  View().ShowWindow(WindowShow::Hide);
  iconised_ = true;
}

void MainWindow::OnTrayMessage(int mouseMessage) {
  if (mouseMessage != kMouseLeftDown) return;
  View().DeleteTrayIcon();
  if (traits_.trayRestoreRefreshes) RefreshAfterRestore();
  View().ShowWindow(WindowShow::Restore);
  iconised_ = false;
}

void MainWindow::OnActivationRequest() {
  if (iconised_) {
    View().DeleteTrayIcon();
    View().ShowWindow(WindowShow::Restore);
    iconised_ = false;
  } else {
    View().ShowWindow(WindowShow::Restore);
    View().SetForeground();
  }
}

void MainWindow::OnTaskbarCreated() {
  // A restarted shell has forgotten our icon.
  if (!iconised_) return;
  if (View().AddTrayIcon(traits_.trayIcon, kTrayTip)) return;
  View().ShowWindow(WindowShow::Restore);
  iconised_ = false;
}

bool MainWindow::OnSystemCommand(int command) {
  if (command != kVersionCommand) return false;
  VersionPanel panel(services_);
  panel.SetEdition(traits_.edition);
  services_.runner.Run(panel);
  return true;
}


}  // namespace quorvel
