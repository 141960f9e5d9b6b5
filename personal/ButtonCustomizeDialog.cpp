#include "personal/ButtonCustomizeDialog.h"

#include "shell/FieldLimits.h"
#include "shell/ProfileRules.h"
#include "ui/Controls.h"

namespace quorvel {

namespace {
}  // namespace

ButtonCustomizeDialog::ButtonCustomizeDialog(Services& services)
    : FileDropDialog(kTemplateId, services.platform.prompt),
      services_(services),
      labels_(kStatusButtonCount) {
  for (int n = 1; n <= kStatusButtonCount; ++n) {
    labels_[n - 1] = ReadButtonLabel(services_.profile, n);
    Exchange(LabelBoxId(n), labels_[n - 1], kLabelLimit);
  }
}

bool ButtonCustomizeDialog::OnOK() {
  if (!TakeValues()) return false;
  for (int n = 1; n <= kStatusButtonCount; ++n) {
    if (!WriteButtonLabel(services_.profile, n, labels_[n - 1])) {
      // Once, not once a label; the dialog stays so the labels are not lost.
      services_.platform.prompt.Alert(kCannotWriteProfile);
      return false;
    }
  }
  View().End(kIdOk);
  return true;
}

void ButtonCustomizeDialog::HandleDroppedFile(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  for (int n = 1; n <= kStatusButtonCount; ++n) {
    std::string label =
        ReadForeignButtonLabel(services_.profile, paths.front(), n, kCustomizeDroppedLabelCapacity);
    if (!label.empty()) labels_[n - 1] = std::move(label);
  }
  ShowValues();
}

}  // namespace quorvel
