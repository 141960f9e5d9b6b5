#include "group/GroupEditDialog.h"

#include <algorithm>
#include <memory>

#include "store/TextCodec.h"
#include "ui/Controls.h"
#include "ui/ListFiller.h"

namespace quorvel {

const char kGroupEditHeading[] = "グループ　　　　　　　　 | サーバ";

namespace {

constexpr int kHeadingLines = 2;
constexpr std::size_t kGroupColumn = 24;
const char kFieldsMissing[] = "サーバ名、グループを正しく入力して下さい";
const char kTooMany[] = "登録できる最大のグループ数を越えます";
const char kAlreadyListed[] = "既に登録されているグループです";

int TableSize(const RegisteredGroups& g) {
  return static_cast<int>(std::min(g.serverNames.size(), g.groups.size()));
}

}  // namespace

std::string GroupEntryLine(const std::string& group, const std::string& serverName) {
  std::string line = group;
  if (line.size() < kGroupColumn) line.append(kGroupColumn - line.size(), ' ');
  line += " | ";
  line += serverName;
  return line;
}

GroupEditDialog::GroupEditDialog(Services& services)
    : FileDropDialog(kTemplateId, services.platform.prompt), platform_(services.platform) {
  // The group is taken, and so tested, before the server name.
  Exchange(kGroupId, group_, kGroupLimit);
  Exchange(kServerId, server_, kServerLimit);
}

void GroupEditDialog::SetGroups(const RegisteredGroups& groups) {
  groups_ = groups;
  groups_.serverNames.resize(kMaxRegisteredGroups);
  groups_.groups.resize(kMaxRegisteredGroups);
  if (groups_.count < 0) groups_.count = 0;
  if (groups_.count > kMaxRegisteredGroups) groups_.count = kMaxRegisteredGroups;
  selected_ = -1;
}

bool GroupEditDialog::OnInit() {
  Dialog::OnInit();
  EnableEntryButtons(false);
  FillTheList();
  return true;
}

void GroupEditDialog::OnCommand(int id, int notification) {
  switch (id) {
    case kListId:
      if (notification == kNotifySelChange) SelectionChanged();
      break;
    case kAddId:
      Add();
      break;
    case kModifyId:
      Modify();
      break;
    case kDeleteId:
      Delete();
      break;
    default:
      Dialog::OnCommand(id, notification);
  }
}

void GroupEditDialog::EnableEntryButtons(bool enabled) {
  View().Enable(kModifyId, enabled);
  View().Enable(kDeleteId, enabled);
}

void GroupEditDialog::FillTheList() {
  std::vector<std::string> lines;
  lines.push_back(kGroupEditHeading);
  lines.push_back(std::string(66, '-'));
  for (int i = 0; i < groups_.count; ++i)
    lines.push_back(GroupEntryLine(groups_.groups[i], groups_.serverNames[i]));
  FillList(View(), kListId, lines, kHeadingLines);
  ShowValues();
}

void GroupEditDialog::SelectionChanged() {
  const int line = View().ListSelection(kListId);
  if (line < 0) return;
  const int entry = line - kHeadingLines;
  if (entry >= 0) {
    if (entry >= groups_.count) return;
    selected_ = entry;
    EnableEntryButtons(true);
    group_ = groups_.groups[entry];
    server_ = groups_.serverNames[entry];
    ShowValues();
    return;
  }
  // A heading line is no entry.
  View().ListSelect(kListId, -1);
  selected_ = -1;
  group_.clear();
  server_.clear();
  ShowValues();
  EnableEntryButtons(false);
}

bool GroupEditDialog::Add() {
  if (!TakeValues()) return false;
  if (server_.empty() || group_.empty()) {
    GetPrompt().Alert(kFieldsMissing);
    return false;
  }
  if (groups_.count >= kMaxRegisteredGroups || groups_.count >= TableSize(groups_)) {
    GetPrompt().Alert(kTooMany);
    return false;
  }
  for (int i = 0; i < groups_.count; ++i) {
    if (groups_.serverNames[i] == server_ && groups_.groups[i] == group_) {
      GetPrompt().Alert(kAlreadyListed);
      return false;
    }
  }
  groups_.serverNames[groups_.count] = server_;
  groups_.groups[groups_.count] = group_;
  ++groups_.count;
  FillTheList();
  selected_ = groups_.count - 1;
  View().ListSelect(kListId, selected_ + kHeadingLines);
  return true;
}

void GroupEditDialog::Modify() {
  if (selected_ < 0 || selected_ >= groups_.count) return;
  if (!TakeValues()) return;
  if (server_.empty() || group_.empty()) {
    GetPrompt().Alert(kFieldsMissing);
    return;
  }
  // No duplicate test here: a modify may make two entries equal.
  groups_.serverNames[selected_] = server_;
  groups_.groups[selected_] = group_;
  FillTheList();
  View().ListSelect(kListId, selected_ + kHeadingLines);
}

void GroupEditDialog::Delete() {
  if (selected_ < 0 || selected_ >= groups_.count || groups_.count == 0) return;
  for (int i = selected_; i + 1 < groups_.count; ++i) {
    groups_.serverNames[i] = groups_.serverNames[i + 1];
    groups_.groups[i] = groups_.groups[i + 1];
  }
  const int last = groups_.count - 1;
  groups_.serverNames[last].clear();
  groups_.groups[last].clear();
  --groups_.count;
  if (groups_.count == 0) {
    selected_ = -1;
    server_.clear();
    group_.clear();
  } else {
    if (selected_ >= groups_.count) selected_ = groups_.count - 1;
    server_ = groups_.serverNames[selected_];
    group_ = groups_.groups[selected_];
  }
  FillTheList();
  if (selected_ >= 0) View().ListSelect(kListId, selected_ + kHeadingLines);
}

void GroupEditDialog::HandleDroppedFile(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    std::unique_ptr<FileSearch> search = platform_.files.Find(path);
    FoundFile found;
    if (!search || !search->Next(found) || !found.isFolder) continue;
    search.reset();
    const std::size_t cut = path.rfind('\\');
    if (cut == std::string::npos) {
      server_.clear();
      group_ = Decode(path);
    } else {
      server_ = path.substr(0, cut);
      group_ = Decode(path.substr(cut + 1));
    }
    ShowValues();
    if (!Add()) break;
  }
}

}  // namespace quorvel
