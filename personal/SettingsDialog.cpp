#include "personal/SettingsDialog.h"

#include "personal/ButtonCustomizeDialog.h"
#include "shell/FieldLimits.h"
#include "shell/ProfileRules.h"
#include "store/GroupMembership.h"

namespace quorvel {

namespace {
}  // namespace

SettingsDialog::SettingsDialog(Services& services, const MemberAddress& identity)
    : FileDropDialog(kTemplateId, services.platform.prompt),
      services_(services),
      identity_(identity) {
  Exchange(IDC_SETTINGS_CODE, identity_.code, kOwnCodeLimit);
  Exchange(IDC_SETTINGS_GROUP, identity_.group, kGroupLimit);
  Exchange(IDC_SETTINGS_NAME, identity_.name, kNameLimit);
  Exchange(IDC_SETTINGS_SERVER, identity_.serverName, kOwnServerLimit);
}

void SettingsDialog::OnCommand(int id, int notification) {
  if (id == kCreateId) {
    CreateGroup();
  } else if (id == kButtonsId) {
    ButtonCustomizeDialog labels(services_);
    services_.runner.Run(labels);
  } else {
    FileDropDialog::OnCommand(id, notification);
  }
}

// The folder is made at once, before and whatever the OK: the member joins
// the group only through the opener's move.
void SettingsDialog::CreateGroup() {
  if (!TakeValues()) return;
  if (CreateGroupFolder(services_.platform, identity_.serverName, identity_.group) !=
      GroupCreation::Refused)
    ShowValues();
}

void SettingsDialog::HandleDroppedFile(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const std::string& path = paths.front();
  identity_ = ReadForeignIdentity(services_.profile, path, identity_);
  ShowValues();
  for (int n = 1; n <= kStatusButtonCount; ++n) {
    const std::string label =
        ReadForeignButtonLabel(services_.profile, path, n, kSettingsDroppedLabelCapacity);
    if (!label.empty() && !WriteButtonLabel(services_.profile, n, label)) {
      services_.platform.prompt.Alert(kCannotWriteProfile);  // once for the drop
      return;
    }
  }
}

}  // namespace quorvel
