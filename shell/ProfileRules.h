#pragma once
// What several windows keep in the profile together: status-button labels,
// the member's own identity and the user list of the multi-user desk, and
// the order of their writes. The keys themselves are in ProfileKeys.
#include <string>
#include <vector>

#include "platform/Profile.h"
#include "shell/MemberAddress.h"
#include "shell/ProfileKeys.h"

namespace quorvel {

// Label of status button n (1..21), kButtonLabelKey; absent gives the
// default, present but empty gives the empty text.
std::string ReadButtonLabel(Profile& profile, int n);
// False when the profile refused the write.
bool WriteButtonLabel(Profile& profile, int n, const std::string& label);
// Label n of a dropped profile file, at most capacity - 1 bytes of whole
// characters; empty when the file has none.
std::string ReadForeignButtonLabel(Profile& profile, const std::string& path, int n,
                                   int capacity);

// The desk's own member, as the profile keeps it.
using Identity = MemberAddress;

// kMyNameKey, kMyCodeKey, kMyGroupKey and kServerNameKey.
Identity ReadIdentity(Profile& profile);
// After the shared-folder work succeeded: only the name when only the name
// changed; otherwise all four keys in the order name, code, group, server
// name. Nothing when nothing changed. False when a write was refused:
// the keys already written then get their old values back, as far as the
// profile lets them, so it does not name half of each identity.
bool WriteIdentityChange(Profile& profile, const Identity& before, const Identity& after);

// The identity in a dropped profile file, each value whole up to well
// beyond any box's limit (whole characters only), so that a box takes as
// much as it holds and a longer value draws its box's limit message; an
// absent key keeps the value of `current`.
Identity ReadForeignIdentity(Profile& profile, const std::string& path, const Identity& current);

// The users of the multi-user desk; user i is kept in profile slot i + 1.
struct UserList {
  static constexpr int kMaxUsers = quorvel::kMaxUsers;
  std::vector<MemberAddress> users;  // at most kMaxUsers
};

// Slots 01..20 of the kUser*Key keys; a slot without a name is skipped, so
// gaps in the numbering close up.
UserList ReadUserList(Profile& profile);
// All 80 keys, slot by slot (server, group, code, name); slots beyond the
// list are emptied so that no removed user stays behind. Stops at the
// first write the profile refuses, with false.
bool WriteUserList(Profile& profile, const UserList& list);

// What a window says when the profile refuses a save.
extern const char kCannotWriteProfile[];

}  // namespace quorvel
