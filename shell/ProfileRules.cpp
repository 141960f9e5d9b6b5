#include "shell/ProfileRules.h"

#include <utility>

namespace quorvel {

namespace {

// Asked for as the default of a foreign read, so that an absent key can be
// told apart: the platform would cut a default to the capacity (a 16-byte
// code to 15) and drop its trailing blanks.
const char kAbsent[] = "\x01";

// An identity value is asked for with room to spare: a value as long as
// any box takes comes whole, and a longer one stays longer than its box, so
// that the box's limit message speaks rather than a silent cut that would
// name another member.
constexpr int kDroppedIdentityCapacity = 256;

std::string ForeignOr(Profile& profile, const std::string& path, const ProfileKey& key,
                      const std::string& current) {
  std::string value = ReadForeignKeyText(profile, path, key, kAbsent, kDroppedIdentityCapacity);
  return value == kAbsent ? current : value;
}

// The profile key of each identity field, in the order of writes.
struct IdentityField {
  const ProfileKey& key;
  std::string MemberAddress::*field;
};
const IdentityField kIdentityFields[] = {
    {kMyNameKey, &MemberAddress::name},
    {kMyCodeKey, &MemberAddress::code},
    {kMyGroupKey, &MemberAddress::group},
    {kServerNameKey, &MemberAddress::serverName},
};
// A user's slot, in the order of writes.
const IdentityField kUserFields[] = {
    {kUserServerKey, &MemberAddress::serverName},
    {kUserGroupKey, &MemberAddress::group},
    {kUserCodeKey, &MemberAddress::code},
    {kUserNameKey, &MemberAddress::name},
};

}  // namespace

const char kCannotWriteProfile[] = "設定ファイルに書き込めません";

std::string ReadButtonLabel(Profile& profile, int n) {
  return ReadKeyText(profile, kButtonLabelKey, n);
}

bool WriteButtonLabel(Profile& profile, int n, const std::string& label) {
  return WriteKeyText(profile, kButtonLabelKey, label, n);
}

std::string ReadForeignButtonLabel(Profile& profile, const std::string& path, int n, int capacity) {
  return ReadForeignKeyText(profile, path, kButtonLabelKey, "", capacity, n);
}

Identity ReadIdentity(Profile& profile) {
  Identity id;
  for (const IdentityField& f : kIdentityFields) id.*f.field = ReadKeyText(profile, f.key);
  return id;
}

bool WriteIdentityChange(Profile& profile, const Identity& before, const Identity& after) {
  const bool placeChanged = before.serverName != after.serverName || before.group != after.group ||
                            before.code != after.code;
  if (!placeChanged && before.name == after.name) return true;
  const std::size_t count = placeChanged ? 4 : 1;
  for (std::size_t i = 0; i < count; ++i) {
    const IdentityField& f = kIdentityFields[i];
    if (WriteKeyText(profile, f.key, after.*f.field)) continue;
    for (std::size_t j = 0; j < i; ++j)
      WriteKeyText(profile, kIdentityFields[j].key, before.*kIdentityFields[j].field);
    return false;
  }
  return true;
}

Identity ReadForeignIdentity(Profile& profile, const std::string& path, const Identity& current) {
  Identity id;
  // Server name first, then group, code and name.
  for (int i = 3; i >= 0; --i) {
    const IdentityField& f = kIdentityFields[i];
    id.*f.field = ForeignOr(profile, path, f.key, current.*f.field);
  }
  return id;
}

UserList ReadUserList(Profile& profile) {
  UserList list;
  for (int n = 1; n <= UserList::kMaxUsers; ++n) {
    MemberAddress u;
    for (const IdentityField& f : kUserFields) u.*f.field = ReadKeyText(profile, f.key, n);
    if (!u.name.empty()) list.users.push_back(std::move(u));
  }
  return list;
}

bool WriteUserList(Profile& profile, const UserList& list) {
  const MemberAddress none;
  for (int n = 1; n <= UserList::kMaxUsers; ++n) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    const MemberAddress& u = i < list.users.size() ? list.users[i] : none;
    for (const IdentityField& f : kUserFields)
      if (!WriteKeyText(profile, f.key, u.*f.field, n)) return false;
  }
  return true;
}

}  // namespace quorvel
