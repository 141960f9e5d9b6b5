#include "shell/StatusPanel.h"

#include "shell/FieldLimits.h"
#include "shell/ProfileRules.h"
#include "shell/StampText.h"
#include "shell/StatusPress.h"
#include "store/GroupMembership.h"
#include "store/StatusFile.h"

namespace quorvel {

const StatusPanelStyle kPersonalStatusPanel = {true};
const StatusPanelStyle kMultiUserStatusPanel = {false};

const int kStatusButtonIds[kStatusButtonCount] = {
    IDC_STATUS_BUTTON1,  IDC_STATUS_BUTTON2,  IDC_STATUS_BUTTON3,  IDC_STATUS_BUTTON4,
    IDC_STATUS_BUTTON5,  IDC_STATUS_BUTTON6,  IDC_STATUS_BUTTON7,  IDC_STATUS_BUTTON8,
    IDC_STATUS_BUTTON9,  IDC_STATUS_BUTTON10, IDC_STATUS_BUTTON11, IDC_STATUS_BUTTON12,
    IDC_STATUS_BUTTON13, IDC_STATUS_BUTTON14, IDC_STATUS_BUTTON15, IDC_STATUS_BUTTON16,
    IDC_STATUS_BUTTON17, IDC_STATUS_BUTTON18, IDC_STATUS_BUTTON19, IDC_STATUS_BUTTON20,
    IDC_STATUS_BUTTON21,
};

int StatusButtonNumber(int controlId) {
  for (int n = 1; n <= kStatusButtonCount; ++n)
    if (kStatusButtonIds[n - 1] == controlId) return n;
  return 0;
}

StatusPanel::StatusPanel(int templateId, const MainWindowTraits& traits,
                         const StatusPanelStyle& style, Services& services)
    : MainWindow(templateId, traits, services), style_(style) {
  // The read-only boxes show what the window holds, however long (a name or
  // code typed into the profile by hand); only the remark is typed, so only
  // it is taken back: a press writes the member as the window got it.
  Display(IDC_PANEL_CODE, member_.code);
  Display(IDC_PANEL_GROUP, member_.group);
  Display(IDC_PANEL_STATUS, statusText_);
  Display(IDC_PANEL_LAST_UPDATE, lastUpdate_);
  Exchange(IDC_PANEL_REMARK, remark_, kRemarkLimit);
}

void StatusPanel::OnCommand(int id, int notification) {
  if (const int n = StatusButtonNumber(id)) {
    PressStatus(n);
    return;
  }
  switch (id) {
    case IDC_PANEL_DISAPPEAR:
      Disappear();
      break;
    case IDC_PANEL_GROUP_LIST:
      ShowGroupList();
      break;
    case IDC_PANEL_CHECK_MEMOS:
      CheckMemos();
      break;
    default:
      MainWindow::OnCommand(id, notification);
  }
}

// A label the status file cannot hold whole shows as much as a press keeps.
void StatusPanel::ShowButtonLabels() {
  for (int n = 1; n <= kStatusButtonCount; ++n)
    View().SetText(kStatusButtonIds[n - 1], StoredStatus(ReadButtonLabel(services_.profile, n)));
}

void StatusPanel::LoadStatusOnRecord() {
  statusText_.clear();
  lastUpdate_.clear();
  if (!HasPlace(member_)) return;
  StatusRecord record = RecordFor(member_);
  if (!ReadStatus(services_.platform, record)) return;
  statusText_ = record.status;
  lastUpdate_ = StampMonthDayHourMinute(record.stamp);
}

bool StatusPanel::PressStatus(int n) {
  if (!TakeValues()) return false;
  StatusRecord written;
  if (!WriteStatusPress(services_.platform, services_.profile, member_, n, remark_, written))
    return false;
  statusText_ = written.status;
  lastUpdate_ = StampHourMinute(written.stamp);
  ShowValues();  // the remark stays for the next press
  return true;
}

void StatusPanel::PressAutomatically(const ProfileKey& key) {
  if (!WritesAutomaticStatus() || !HasPlace(member_)) return;
  // A number typed by hand beyond the buttons presses nothing.
  const int n = ReadKeyNumber(services_.profile, key);
  if (n >= 1 && n <= kStatusButtonCount) PressStatus(n);
}

void StatusPanel::OnEndSession(bool /*ending*/) { PressAutomatically(kOnExitKey); }

void StatusPanel::Disappear() {
  if (!RemoveMember(services_.platform, RecordFor(member_), true)) return;
  statusText_.clear();
  remark_.clear();
  if (style_.disappearClearsLastUpdate) lastUpdate_.clear();
  ShowValues();
}

void StatusPanel::ShowGroupList() {
  services_.opener.ShowGroupStatusList(member_.serverName, member_.group);
}

void StatusPanel::CheckMemos() {
  if (HasPlace(member_)) services_.opener.ShowMessageBoard(member_);
}

}  // namespace quorvel
