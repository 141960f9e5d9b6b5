#pragma once
// The windows one edition opens from another: the board opens the personal
// window, which opens the group status list, which opens the memo dialog.
// Start-up implements this, so no edition folder includes another; each
// call runs its window modally and returns when it closes.
#include <string>

#include "shell/MemberAddress.h"

namespace quorvel {

// How a personal window is opened for a member.
struct PersonalWindowRequest {
  MemberAddress member;     // read again from the profile unless proxy input
  bool proxyInput = false;  // statuses for a colleague, from a group view
  bool mayIconise = true;   // off for the group window's own input
};

class Opener {
 public:
  virtual ~Opener() = default;
  virtual void ComposeMemo(const MemberAddress& addressee) = 0;
  virtual void ShowMessageBoard(const MemberAddress& member) = 0;
  virtual void RunPersonalWindow(const PersonalWindowRequest& request) = 0;
  virtual void ShowGroupStatusList(const std::string& serverName, const std::string& group) = 0;
  // The settings dialog over `identity`; true and the dialog's values in
  // `identity` when it ends with OK.
  virtual bool EditSettings(MemberAddress& identity) = 0;
  virtual void CustomizeButtons() = 0;
  virtual void ChooseEdition() = 0;
};

}  // namespace quorvel
