#include "shell/IdentityChange.h"

#include "store/GroupMembership.h"
#include "store/MemoCarry.h"
#include "store/StatusFile.h"

namespace quorvel {

namespace {

const char kNoServer[] = "サーバ名が設定されていません\r\nデータベースにアクセスできません";
const char kNoGroup[] = "グループが設定されていません\r\nデータベースにアクセスできません";
const char kNoNameOrCode[] = "氏名、コードが設定されていません\r\nデータベースが更新できません";
const char kCodeTaken[] = "同じコードの人が既に存在します";
const char kCannotRename[] = "状況ファイルが更新できません";
const char kCannotReadMemos[] = "伝言ファイルが読み込めません";
const char kCannotWriteMemos[] = "伝言ファイルが作成できません";

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
// name in it changes, read and rewritten under one hold, so a status another
// desk enters meanwhile is not undone. A status that cannot be read is not
// written over.
IdentityChangeResult Rename(Platform& platform, Profile& profile, const Identity& before,
                            const Identity& after) {
  const StatusRecord member = RecordFor(after);
  if (!RenameStatus(platform, member, after.name)) {
    platform.prompt.Alert(kCannotRename);
    return IdentityChangeResult::Refused;
  }
  if (!WriteIdentityChange(profile, before, after)) {
    RenameStatus(platform, member, before.name);
    platform.prompt.Alert(kCannotWriteProfile);
    return IdentityChangeResult::Refused;
  }
  return IdentityChangeResult::Renamed;
}

// The new files are written before the old ones go, so at every moment at
// least one place lists the member and holds every memo. Whatever fails
// before the profile names the new place takes the new files back: the
// old identity stands whole.
IdentityChangeResult Move(Platform& platform, Profile& profile, const Identity& before,
                          const Identity& after) {
  // A first identity (some old value empty) has no files to bring along.
  const bool oldMember = Complete(before);
  StatusRecord old = RecordFor(before);
  // A status that is there but cannot be read would be lost with the move.
  if (oldMember && !ReadStatus(platform, old) && MemberExists(platform, old)) {
    platform.prompt.Alert(kCannotRename);
    return IdentityChangeResult::Refused;
  }

  StatusRecord moved = RecordFor(after);
  moved.status = old.status;
  moved.stamp = old.stamp;
  if (MemberExists(platform, moved)) {
    platform.prompt.Alert(kCodeTaken);
    return IdentityChangeResult::Refused;
  }
  MemoCarry memos(platform);
  if (oldMember && !memos.Take(old)) {
    platform.prompt.Alert(kCannotReadMemos);
    return IdentityChangeResult::Refused;
  }
  if (!WriteStatus(platform, moved, false)) return IdentityChangeResult::Refused;
  // Nothing of a failed move stays behind: no second listing of the
  // member, and no refusal of the next attempt as a taken code.
  const auto takeBack = [&](const char* message) {
    memos.TakeBack();
    DeleteStatusFile(platform, moved);
    platform.prompt.Alert(message);
    return IdentityChangeResult::Refused;
  };
  if (!memos.Put(moved)) return takeBack(kCannotWriteMemos);
  if (!WriteIdentityChange(profile, before, after)) return takeBack(kCannotWriteProfile);
  memos.EmptyOld();
  if (oldMember) RemoveMember(platform, old, false);  // the emptied memo file is not asked about
  memos.Finish();
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
