#pragma once
// Edits the member's identity: name, code, group and server name. It hands
// back what was typed on OK; the opener decides what the change means.
// Besides, it creates a group folder, opens the label editor, and takes an
// identity and labels from a profile file dropped onto it.
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/MemberAddress.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

class SettingsDialog : public FileDropDialog {
 public:
  static constexpr int kTemplateId = IDD_SETTINGS;
  static constexpr int kCreateId = IDC_SETTINGS_CREATE;
  static constexpr int kButtonsId = IDC_SETTINGS_BUTTONS;

  SettingsDialog(Services& services, const MemberAddress& identity);

  // The four values; the opener reads them after OK.
  const MemberAddress& Identity() const { return identity_; }

  void OnCommand(int id, int notification) override;
  // The identity keys of the first file replace the boxes (a missing key
  // keeps its box); its labels are written to this desk's profile at once.
  void HandleDroppedFile(const std::vector<std::string>& paths) override;

 private:
  void CreateGroup();

  Services& services_;
  MemberAddress identity_;
};

}  // namespace quorvel
