#pragma once
// The status panel of the personal and the multi-user window: 21 status
// buttons under their labels, the remark box, the member's status on record
// with the time of its last change, and the member's commands (disappear,
// group list, memos). The two windows differ by the row of data below and
// by whose member the panel serves.
#include <string>

#include "res/resource.h"
#include "shell/MainWindow.h"
#include "shell/MemberAddress.h"
#include "shell/ProfileKeys.h"

namespace quorvel {

struct StatusPanelStyle {
  // Whether "姿を消す" also empties the last-update box.
  bool disappearClearsLastUpdate;
};

extern const StatusPanelStyle kPersonalStatusPanel;   // empties it
extern const StatusPanelStyle kMultiUserStatusPanel;  // keeps it

// The control of status button n is kStatusButtonIds[n - 1].
extern const int kStatusButtonIds[kStatusButtonCount];
// The button number of a control id; 0 for any other control.
int StatusButtonNumber(int controlId);

class StatusPanel : public MainWindow {
 public:
  void OnCommand(int id, int notification) override;
  // Log-off or shut-down: the automatic status of kOnExitKey.
  void OnEndSession(bool ending) override;

  // Status press n: the label by the lookup, a blank and the remark, with a
  // fresh stamp, for the panel's member. False when the store refused.
  bool PressStatus(int n);

  const MemberAddress& Member() const { return member_; }
  const std::string& StatusText() const { return statusText_; }
  const std::string& LastUpdate() const { return lastUpdate_; }
  const std::string& Remark() const { return remark_; }

 protected:
  StatusPanel(int templateId, const MainWindowTraits& traits, const StatusPanelStyle& style,
              Services& services);

  // The labels by the lookup onto the 21 buttons, as a status file keeps them.
  void ShowButtonLabels();
  // The member's status and its month/day time from the status file; both
  // empty when the member cannot be named or the file cannot be read.
  void LoadStatusOnRecord();
  // Status press of the button the profile number `key` names, when it is
  // a button's number (1 to 21) and the member can be named (log-off,
  // lock, unlock).
  void PressAutomatically(const ProfileKey& key);
  // Whether automatic statuses are the desk's own to write here.
  virtual bool WritesAutomaticStatus() const { return true; }

  MemberAddress member_;  // whose status the buttons write
  std::string statusText_;
  std::string lastUpdate_;
  std::string remark_;

 private:
  void Disappear();
  void ShowGroupList();
  void CheckMemos();

  const StatusPanelStyle& style_;
};

}  // namespace quorvel
