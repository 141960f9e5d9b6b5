#pragma once
// Edits a copy of the registered groups; the multi-group window hands the
// table in and, after OK, takes it back and saves it. Never touches a file.
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "res/resource.h"
#include "shell/Services.h"
#include "store/GroupListFile.h"
#include "ui/Dialog.h"
#include "ui/TableEditor.h"

namespace quorvel {

struct GroupEntry {
  std::string serverName;
  std::string group;
};

class GroupEditDialog : public FileDropDialog {
 public:
  static constexpr int kTemplateId = IDD_GROUP_EDIT;
  static constexpr int kListId = IDC_GROUP_EDIT_LIST;
  static constexpr int kServerId = IDC_GROUP_EDIT_SERVER;
  static constexpr int kGroupId = IDC_GROUP_EDIT_GROUP;
  static constexpr int kAddId = IDC_GROUP_EDIT_ADD;
  static constexpr int kModifyId = IDC_GROUP_EDIT_MODIFY;
  static constexpr int kDeleteId = IDC_GROUP_EDIT_DELETE;

  explicit GroupEditDialog(Services& services);

  void SetGroups(const RegisteredGroups& groups);
  RegisteredGroups Groups() const;
  int SelectedEntry() const { return table_.selected; }

  bool OnInit() override;
  void OnCommand(int id, int notification) override;
  // Folders dropped on the list become entries, up to the first refused one.
  void HandleDroppedFile(const std::vector<std::string>& paths) override;

  // "リストに追加": true when the typed pair was added.
  bool Add();
  void Modify();
  void Delete();

 private:
  void FillTheList();
  void SelectionChanged();
  void EnableEntryButtons(bool enabled);

  Platform& platform_;
  std::string group_;
  std::string server_;
  TableEditor<GroupEntry> table_;
};

// The list's entry line "%-24s | %s", whole however long.
std::string GroupEntryLine(const std::string& group, const std::string& serverName);
extern const char kGroupEditHeading[];  // "グループ　　　　　　　　 | サーバ"

}  // namespace quorvel
