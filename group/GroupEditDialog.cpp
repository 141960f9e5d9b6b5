#include "group/GroupEditDialog.h"

#include <algorithm>
#include <memory>

#include "platform/TextHelpers.h"
#include "shell/FieldLimits.h"
#include "store/TextCodec.h"
#include "ui/Controls.h"

namespace quorvel {

const char kGroupEditHeading[] = "グループ　　　　　　　　 | サーバ";

namespace {

constexpr std::size_t kGroupColumn = 24;
const char kFieldsMissing[] = "サーバ名、グループを正しく入力して下さい";
const char kTooMany[] = "登録できる最大のグループ数を越えます";
const char kAlreadyListed[] = "既に登録されているグループです";

std::string LineOf(const GroupEntry& e) { return GroupEntryLine(e.group, e.serverName); }

}  // namespace

std::string GroupEntryLine(const std::string& group, const std::string& serverName) {
  return PadRight(group, kGroupColumn) + " | " + serverName;
}

GroupEditDialog::GroupEditDialog(Services& services)
    : FileDropDialog(kTemplateId, services.platform.prompt),
      platform_(services.platform),
      table_(kListId, kGroupEditHeading, LineOf) {
  // The group is taken, and so tested, before the server name.
  Exchange(kGroupId, group_, kGroupLimit);
  Exchange(kServerId, server_, kServerLimit);
}

void GroupEditDialog::SetGroups(const RegisteredGroups& groups) {
  table_.rows.clear();
  const int size = static_cast<int>(std::min(groups.serverNames.size(), groups.groups.size()));
  const int count = std::min({groups.count, size, kMaxRegisteredGroups});
  for (int i = 0; i < count; ++i) table_.rows.push_back({groups.serverNames[i], groups.groups[i]});
  table_.selected = -1;
}

RegisteredGroups GroupEditDialog::Groups() const {
  RegisteredGroups out;
  out.count = static_cast<int>(table_.rows.size());
  for (int i = 0; i < out.count; ++i) {
    out.serverNames[i] = table_.rows[i].serverName;
    out.groups[i] = table_.rows[i].group;
  }
  return out;
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
  table_.Fill(View());
  ShowValues();
}

void GroupEditDialog::SelectionChanged() {
  switch (table_.SelectionChanged(View())) {
    case TablePick::Row:
      EnableEntryButtons(true);
      group_ = table_.Selected().group;
      server_ = table_.Selected().serverName;
      ShowValues();
      break;
    case TablePick::Heading:
      group_.clear();
      server_.clear();
      ShowValues();
      EnableEntryButtons(false);
      break;
    case TablePick::Nothing:
      break;
  }
}

bool GroupEditDialog::Add() {
  if (!TakeValues()) return false;
  if (server_.empty() || group_.empty()) {
    GetPrompt().Alert(kFieldsMissing);
    return false;
  }
  if (table_.rows.size() >= static_cast<std::size_t>(kMaxRegisteredGroups)) {
    GetPrompt().Alert(kTooMany);
    return false;
  }
  for (const GroupEntry& e : table_.rows) {
    if (e.serverName == server_ && e.group == group_) {
      GetPrompt().Alert(kAlreadyListed);
      return false;
    }
  }
  table_.Append({server_, group_});
  FillTheList();
  table_.ShowSelection(View());
  return true;
}

void GroupEditDialog::Modify() {
  if (!table_.HasSelection()) return;
  if (!TakeValues()) return;
  if (server_.empty() || group_.empty()) {
    GetPrompt().Alert(kFieldsMissing);
    return;
  }
  // No duplicate test here: a modify may make two entries equal.
  table_.rows[static_cast<std::size_t>(table_.selected)] = {server_, group_};
  FillTheList();
  table_.ShowSelection(View());
}

void GroupEditDialog::Delete() {
  if (!table_.HasSelection()) return;
  table_.RemoveSelected();
  server_ = table_.HasSelection() ? table_.Selected().serverName : std::string();
  group_ = table_.HasSelection() ? table_.Selected().group : std::string();
  FillTheList();
  table_.ShowSelection(View());
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
