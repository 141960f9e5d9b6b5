#pragma once
// The program's main window: the registered groups on the left, the members
// of the chosen group on the right, memo and proxy input for a member.
#include <string>

#include "shell/MainWindow.h"
#include "shell/Services.h"
#include "store/GroupListFile.h"
#include "store/StatusRecord.h"

namespace quorvel {

// Who a memo or a proxy input is for.
struct MemberAddress {
  std::string serverName;
  std::string group;
  std::string code;
  std::string name;
};

class MultiGroupWindow : public MainWindow {
 public:
  static constexpr int kTemplateId = 139;
  static constexpr int kMemberListId = 1000;
  static constexpr int kGroupListId = 1001;
  static constexpr int kShownGroupId = 1039;
  static constexpr int kRefreshId = 1007;
  static constexpr int kMemoId = 3;
  static constexpr int kProxyInputId = 1075;
  static constexpr int kGroupManagementId = 1013;

  // groupListPath: the group list file, "QVL.gl" in the current directory
  // unless a test says otherwise.
  explicit MultiGroupWindow(Services& services,
                            std::string groupListPath = kGroupListFileName);

  bool OnInit() override;
  void OnCommand(int id, int notification) override;

  void RefreshMembers();

  const std::string& ShownServerName() const { return shownServerName_; }
  const std::string& ShownGroup() const { return shownGroup_; }
  const RegisteredGroups& Groups() const { return groups_; }
  const MemberList& Members() const { return members_; }

 protected:
  // Hand-overs to the personal edition's dialogs, run modally; their
  // results are not used.
  virtual void ComposeMemo(const MemberAddress& member);
  virtual void RunProxyInput(const MemberAddress& member);

  void RefreshAfterRestore() override { RefreshMembers(); }

 private:
  void FillGroupList();
  void ChooseGroup();
  void Memo();
  void ProxyInput();
  void ManageGroups();
  // The member at the member list's selection; false when none is selected.
  bool SelectedMember(MemberAddress& out);

  std::string groupListPath_;
  std::string shownServerName_;
  std::string shownGroup_;
  RegisteredGroups groups_;
  MemberList members_;
};

}  // namespace quorvel
