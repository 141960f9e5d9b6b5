#pragma once
// Edits the 21 status-button labels of this desk; saves them itself on OK.
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

class ButtonCustomizeDialog : public FileDropDialog {
 public:
  static constexpr int kTemplateId = IDD_BUTTON_CUSTOMIZE;

  explicit ButtonCustomizeDialog(Services& services);

  // All 21 labels to the profile, Button1 first; a box over its limit (only
  // a drop puts one there) keeps the dialog open and nothing is written.
  bool OnOK() override;
  // The first file's non-empty labels replace their boxes; saved only by OK.
  void HandleDroppedFile(const std::vector<std::string>& paths) override;

  const std::vector<std::string>& Labels() const { return labels_; }

 private:
  Services& services_;
  std::vector<std::string> labels_;
};

// The box of label n (1 to 21).
constexpr int LabelBoxId(int n) { return IDC_LABEL_BOX1 - 1 + n; }

}  // namespace quorvel
