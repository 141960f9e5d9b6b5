#include "shell/VersionPanel.h"

#include "res/resource.h"

namespace quorvel {

std::string EditionLabelOf(Edition edition) {
  switch (edition) {
    case Edition::Personal: return "パーソナル";
    case Edition::Group: return "グループ";
    case Edition::MultiUser: return "マルチユーザー";
    case Edition::MultiGroup: return "マルチグループ";
    default: return "Universal";
  }
}

VersionPanel::VersionPanel(Services& services)
    : Dialog(kTemplateId, services.platform.prompt) {
  Exchange(kLabelControl, label_, kLabelLimit);
}

bool VersionPanel::OnInit() {
  Dialog::OnInit();
  // Every run starts its animation from the beginning.
  phase_ = 0;
  label_ = EditionLabelOf(edition_);
  ShowValues();
  View().StartTimer(kTimerId, kTimerPeriod);
  return true;
}

void VersionPanel::OnTimer(int /*id*/) {
  phase_ = (phase_ + 1) % 4;
  View().Invalidate();
}

void VersionPanel::OnPaint() {
  // Client pixels; each tick moves the icons by 2 (the falling one by 1).
  const int p = phase_;
  DialogView& v = View();
  switch (edition_) {
    case Edition::Personal:
      v.DrawIcon(IDI_PERSONAL, 20 + 2 * p, 30);
      break;
    case Edition::Group:
      v.DrawIcon(IDI_MEMBER, 40 - 2 * p, 30);
      v.DrawIcon(IDI_MEMBER, 240 - 2 * p, 30);
      break;
    case Edition::MultiUser:
      v.DrawIcon(IDI_PERSONAL, 20 + 2 * p, 30);
      v.DrawIcon(IDI_PERSONAL, 220 - 2 * p, 30);
      break;
    case Edition::MultiGroup:
      v.DrawIcon(IDI_MULTIGROUP, 40 - 2 * p, 30);
      v.DrawIcon(IDI_PERSONAL, 220 - 2 * p, 30);
      v.DrawIcon(IDI_MEMBER, 20, 60 + p);
      break;
    default:
      v.DrawIcon(IDI_UNIVERSAL, 220, 30);
      break;
  }
}

void VersionPanel::OnDestroy() { View().StopTimer(kTimerId); }

}  // namespace quorvel
