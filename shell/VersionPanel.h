#pragma once
#include <string>

#include "res/resource.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

// The version panel of every main window's system menu: product, version
// and the edition it was opened from, with that edition's icons animated
// by a 500 ms timer until the user closes it.
class VersionPanel : public Dialog {
 public:
  static constexpr int kTemplateId = IDD_VERSION;
  static constexpr int kLabelControl = IDC_EDITION_LABEL;
  static constexpr int kLabelLimit = 64;
  static constexpr int kTimerId = 1;
  static constexpr int kTimerPeriod = 500;

  explicit VersionPanel(Services& services);

  // 1 personal, 2 group, 3 multi-user, 4 multi-group; 0 (the default) and
  // anything unknown show the universal panel.
  void SetEdition(int index) { edition_ = index; }
  int Edition() const { return edition_; }
  int Phase() const { return phase_; }
  const std::string& EditionLabel() const { return label_; }

  bool OnInit() override;
  void OnTimer(int id) override;
  void OnPaint() override;
  void OnDestroy() override;

 private:
  int edition_ = 0;
  int phase_ = 0;
  std::string label_;
};

// The label of an edition index; "Universal" for 0 and unknown indexes.
std::string EditionLabelOf(int index);

}  // namespace quorvel
