#include "shell/IdentityChange.h"

#include "store/GroupMembership.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"

namespace quorvel {

namespace {

const char kNoServer[] = "サーバ名が設定されていません\r\nデータベースにアクセスできません";
const char kNoGroup[] = "グループが設定されていません\r\nデータベースにアクセスできません";
const char kNoNameOrCode[] = "氏名、コードが設定されていません\r\nデータベースが更新できません";
const char kCodeTaken[] = "同じコードの人が既に存在します";
const char kCannotRename[] = "状況ファイルが更新できません";

bool Complete(const Identity& id) {
  return !id.serverName.empty() && !id.group.empty() && !id.name.empty() && !id.code.empty();
}

bool CheckNewIdentity(Prompt& prompt, const Identity& id) {
  const char* problem = nullptr;
  if (id.serverName.empty())
    problem = kNoServer;
  else if (id.group.empty())
    problem = kNoGroup;
  else if (id.name.empty() || id.code.empty())
    problem = kNoNameOrCode;
  if (problem != nullptr) prompt.Alert(problem);
  return problem == nullptr;
}

// The status file keeps its status and its time of last change; only the
// name in it changes. The status is the one on record, not a window's copy,
// so a status another desk entered meanwhile is not undone.
IdentityChangeResult Rename(Platform& platform, Profile& profile, const Identity& before,
                            const Identity& after) {
  StatusRecord record = RecordFor(after);
  ReadStatus(platform, record);  // no file: an empty status without a stamp
  record.name = after.name;
  if (!WriteStatus(platform, record, false)) {
    platform.prompt.Alert(kCannotRename);
    return IdentityChangeResult::Refused;
  }
  WriteIdentityChange(profile, before, after);
  return IdentityChangeResult::Renamed;
}

// The new status file is written before the old one goes, so at every
// moment at least one of them lists the member.
IdentityChangeResult Move(Platform& platform, Profile& profile, const Identity& before,
                          const Identity& after) {
  // A first identity (some old value empty) has no files to bring along.
  const bool oldMember = Complete(before);
  StatusRecord old = RecordFor(before);
  if (oldMember) ReadStatus(platform, old);

  StatusRecord moved = RecordFor(after);
  moved.status = old.status;
  moved.stamp = old.stamp;
  if (MemberExists(platform, moved)) {
    platform.prompt.Alert(kCodeTaken);
    return IdentityChangeResult::Refused;
  }
  if (!WriteStatus(platform, moved, false)) return IdentityChangeResult::Refused;

  if (oldMember && ReadMemos(platform, old)) {
    moved.memoCount = old.memoCount;
    moved.memoLines = old.memoLines;
  }
  if (moved.memoCount > 0 && !WriteMemos(platform, moved)) {
    // Nothing of a failed move stays behind: no second listing of the
    // member, and no refusal of the next attempt as a taken code.
    DeleteStatusFile(platform, moved);
    return IdentityChangeResult::Refused;
  }
  WriteIdentityChange(profile, before, after);
  if (oldMember) RemoveMember(platform, old, false);
  return IdentityChangeResult::Moved;
}

}  // namespace

IdentityChangeResult ChangeIdentity(Platform& platform, Profile& profile, const Identity& before,
                                    const Identity& after) {
  const bool placeChanged = before.serverName != after.serverName ||
                            before.group != after.group || before.code != after.code;
  if (!placeChanged && before.name == after.name) return IdentityChangeResult::Unchanged;
  if (!CheckNewIdentity(platform.prompt, after)) return IdentityChangeResult::Refused;
  return placeChanged ? Move(platform, profile, before, after)
                      : Rename(platform, profile, before, after);
}

bool EditOwnIdentity(Services& services, Identity& identity) {
  Identity edited = identity;
  if (!services.opener.EditSettings(edited)) return false;
  const IdentityChangeResult result =
      ChangeIdentity(services.platform, services.profile, identity, edited);
  if (result == IdentityChangeResult::Renamed || result == IdentityChangeResult::Moved)
    identity = edited;
  return true;
}

}  // namespace quorvel
