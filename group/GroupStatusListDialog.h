#pragma once
// A read-only list of one group's members, with their dates, from which a
// memo can be left for a listed member.
#include <string>

#include "group/MemberPane.h"
#include "res/resource.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

class GroupStatusListDialog : public Dialog {
 public:
  static constexpr int kTemplateId = IDD_GROUP_STATUS_LIST;

  GroupStatusListDialog(Services& services, const std::string& serverName,
                        const std::string& group);

  bool OnInit() override;
  void OnCommand(int id, int notification) override;
  // The hidden OK does nothing; Enter reaches the refresh button.
  bool OnOK() override { return false; }

  const MemberList& Members() const { return members_.Members(); }

 private:
  std::string serverName_;
  std::string group_;
  MemberPane members_;
};

}  // namespace quorvel
