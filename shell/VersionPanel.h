#pragma once
#include <string>

#include "res/resource.h"
#include "shell/Edition.h"
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

  // None (the default) and anything unknown show the universal panel.
  void SetEdition(Edition edition) { edition_ = edition; }
  Edition ShownEdition() const { return edition_; }
  int Phase() const { return phase_; }
  const std::string& EditionLabel() const { return label_; }

  bool OnInit() override;
  void OnTimer(int id) override;
  void OnPaint() override;
  void OnDestroy() override;

 private:
  Edition edition_ = Edition::None;
  int phase_ = 0;
  std::string label_;
};

// The label of an edition; "Universal" for None and unknown values.
std::string EditionLabelOf(Edition edition);

}  // namespace quorvel
