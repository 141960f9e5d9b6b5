#pragma once
// The member list of a group view and what the user does with its selected
// line: a memo to that member, or proxy input in a personal window.
#include <string>

#include "group/MemberView.h"
#include "shell/MemberAddress.h"
#include "shell/Services.h"
#include "store/StatusRecord.h"
#include "ui/DialogView.h"

namespace quorvel {

class MemberPane {
 public:
  MemberPane(Services& services, const MemberViewStyle& style);

  // RefreshMembers for this server name and group, which the memo and the
  // proxy input then address.
  void Refresh(DialogView& view, const std::string& serverName, const std::string& group);
  // The same place again.
  void Refresh(DialogView& view) { Refresh(view, serverName_, group_); }
  // A refresh nobody asked for at that moment: no message, and the member
  // selected before stays selected (by code) while still listed.
  void RefreshQuietly(DialogView& view);

  const std::string& ServerName() const { return serverName_; }
  const std::string& Group() const { return group_; }

  // The member at the list's selection; false when none is selected. Every
  // refresh refills the list whole, so a selected line is the member at that
  // position of the latest load.
  bool Selected(DialogView& view, MemberAddress& out) const;
  // Opens the memo dialog for the selected member; nothing without one.
  void ComposeMemo(DialogView& view);
  // Runs a personal window in proxy-input mode for the selected member;
  // false (and nothing run) without one.
  bool ProxyInput(DialogView& view);

  const MemberList& Members() const { return members_; }

 private:
  Services& services_;
  const MemberViewStyle& style_;
  std::string serverName_;
  std::string group_;
  MemberList members_;
};

}  // namespace quorvel
