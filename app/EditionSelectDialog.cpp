#include "app/EditionSelectDialog.h"

#include "app/EditionWindows.h"
#include "ui/Controls.h"

namespace quorvel {

EditionSelectDialog::EditionSelectDialog(Services& services, EditionWindows& editions)
    : Dialog(kTemplateId, services.platform.prompt), services_(services), editions_(editions) {}

bool EditionSelectDialog::OnInit() {
  Dialog::OnInit();
  const std::string item = View().LoadText(kVersionStringId);
  if (!item.empty()) View().AppendSystemMenuItem(kVersionCommand, item, true);
  View().SetIcons(IDI_CHOOSER);
  return true;
}

void EditionSelectDialog::OnCommand(int id, int notification) {
  Edition edition;
  switch (id) {
    case IDC_CHOOSE_PERSONAL: edition = Edition::Personal; break;
    case IDC_CHOOSE_GROUP: edition = Edition::Group; break;
    case IDC_CHOOSE_MULTIUSER: edition = Edition::MultiUser; break;
    case IDC_CHOOSE_MULTIGROUP: edition = Edition::MultiGroup; break;
    default:
      Dialog::OnCommand(id, notification);
      return;
  }
  // The edition's window is one of its own, so the chooser stays reachable
  // from the taskbar meanwhile; it starts nothing else until that ends.
  if (running_) return;
  running_ = true;
  View().ShowWindow(WindowShow::Minimize);
  editions_.RunEdition(edition);
  View().ShowWindow(WindowShow::Restore);
  running_ = false;
}

bool EditionSelectDialog::OnSystemCommand(int command) {
  if (command != kVersionCommand) return false;
  AboutDialog about(services_);
  services_.runner.Run(about);
  return true;
}

void EditionSelectDialog::OnPaint() {
  if (!View().IsIconic()) return;
  View().EraseIconBackground();
  const Size icon = View().IconSize();
  const Rect client = View().ClientRect();
  View().DrawIcon(IDI_CHOOSER, (client.Width() - icon.cx + 1) / 2,
                  (client.Height() - icon.cy + 1) / 2);
}

int EditionSelectDialog::DragIcon() { return IDI_CHOOSER; }

}  // namespace quorvel
