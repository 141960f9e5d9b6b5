#pragma once
// The program's main window: the registered groups on the left, the members
// of the chosen group on the right, memo and proxy input for a member.
#include <string>

#include "group/GroupViewWindow.h"
#include "res/resource.h"
#include "shell/Services.h"
#include "store/GroupListFile.h"
#include "store/StatusRecord.h"

namespace quorvel {

class MultiGroupWindow : public GroupViewWindow {
 public:
  static constexpr int kTemplateId = IDD_MULTIGROUP;
  static constexpr int kMemberListId = IDC_MEMBER_LIST;
  static constexpr int kGroupListId = IDC_GROUP_LIST;
  static constexpr int kShownGroupId = IDC_SHOWN_GROUP;
  static constexpr int kRefreshId = IDC_REFRESH;
  static constexpr int kMemoId = IDC_MEMO;
  static constexpr int kProxyInputId = IDC_PROXY_INPUT;
  static constexpr int kGroupManagementId = IDC_GROUP_MANAGE;
  static constexpr int kEditionSelectCommand = IDM_EDITION_SELECT;

  // groupListPath: the group list file, "QVL.gl" in the current directory
  // unless a test says otherwise.
  explicit MultiGroupWindow(Services& services,
                            std::string groupListPath = kGroupListFileName);

  void OnCommand(int id, int notification) override;
  bool OnSystemCommand(int command) override;

  void RefreshMembers();

  const std::string& ShownServerName() const { return shownServerName_; }
  const std::string& ShownGroup() const { return shownGroup_; }
  const RegisteredGroups& Groups() const { return groups_; }

 protected:
  void OnOpen() override;

 private:
  void FillGroupList();
  void ChooseGroup();
  void ManageGroups();

  std::string groupListPath_;
  std::string shownServerName_;
  std::string shownGroup_;
  RegisteredGroups groups_;
};

}  // namespace quorvel
