#include "shell/ProfileRules.h"

#include <cstdio>
#include <utility>

#include "store/TextCodec.h"

namespace quorvel {

namespace {

const char kButton[] = "Button";
const char kPersonal[] = "Personal";
const char kSystem[] = "System";
const char kUsers[] = "Users";

// Asked for as the default of a foreign read, so that an absent key can be
// told apart: the platform would cut a default to the capacity (a 16-byte
// code to 15) and drop its trailing blanks.
const char kAbsent[] = "\x01";

// An identity value is asked for with room to spare: a value as long as
// any box takes comes whole, and a longer one stays longer than its box, so
// that the box's limit message speaks rather than a silent cut that would
// name another member.
constexpr int kDroppedIdentityCapacity = 256;

// A foreign read of capacity - 1 bytes, never ending in half a character:
// the platform cuts the value as bytes.
std::string ReadForeignWhole(Profile& profile, const std::string& path, const char* section,
                             const std::string& key, const std::string& fallback, int capacity) {
  std::string value = profile.ReadForeignText(path, section, key, fallback, capacity);
  if (capacity <= 1 || value.size() != static_cast<std::size_t>(capacity - 1)) return value;
  std::size_t end = 0;
  while (end < value.size()) end += IsLeadByte(static_cast<unsigned char>(value[end])) ? 2 : 1;
  if (end > value.size()) value.pop_back();  // a lead byte cut from its trail byte
  return value;
}

std::string ForeignOr(Profile& profile, const std::string& path, const char* section,
                      const char* key, const std::string& current) {
  std::string value =
      ReadForeignWhole(profile, path, section, key, kAbsent, kDroppedIdentityCapacity);
  return value == kAbsent ? current : value;
}

std::string Format(const char* format, int n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, n);
  return buf;
}

}  // namespace

const char kCannotWriteProfile[] = "設定ファイルに書き込めません";

std::string ButtonLabelKey(int n) { return Format("Button%d", n); }

std::string DefaultButtonLabel(int n) { return Format("項目%d", n); }

std::string ReadButtonLabel(Profile& profile, int n) {
  return profile.ReadText(kButton, ButtonLabelKey(n), DefaultButtonLabel(n));
}

bool WriteButtonLabel(Profile& profile, int n, const std::string& label) {
  return profile.WriteText(kButton, ButtonLabelKey(n), label);
}

std::string ReadForeignButtonLabel(Profile& profile, const std::string& path, int n,
                                   int capacity) {
  return ReadForeignWhole(profile, path, kButton, ButtonLabelKey(n), "", capacity);
}

Identity ReadIdentity(Profile& profile) {
  Identity id;
  id.name = profile.ReadText(kPersonal, "MyName", "");
  id.code = profile.ReadText(kPersonal, "MyCode", "");
  id.group = profile.ReadText(kPersonal, "Group", "");
  id.serverName = profile.ReadText(kSystem, "ServerName", "");
  return id;
}

bool WriteIdentityChange(Profile& profile, const Identity& before, const Identity& after) {
  const bool placeChanged = before.serverName != after.serverName ||
                            before.group != after.group || before.code != after.code;
  if (!placeChanged && before.name == after.name) return true;
  const struct {
    const char* section;
    const char* key;
    const std::string& before;
    const std::string& after;
  } keys[] = {
      {kPersonal, "MyName", before.name, after.name},
      {kPersonal, "MyCode", before.code, after.code},
      {kPersonal, "Group", before.group, after.group},
      {kSystem, "ServerName", before.serverName, after.serverName},
  };
  const std::size_t count = placeChanged ? 4 : 1;
  for (std::size_t i = 0; i < count; ++i) {
    if (profile.WriteText(keys[i].section, keys[i].key, keys[i].after)) continue;
    for (std::size_t j = 0; j < i; ++j)
      profile.WriteText(keys[j].section, keys[j].key, keys[j].before);
    return false;
  }
  return true;
}

Identity ReadForeignIdentity(Profile& profile, const std::string& path, const Identity& current) {
  Identity id;
  id.serverName = ForeignOr(profile, path, kSystem, "ServerName", current.serverName);
  id.group = ForeignOr(profile, path, kPersonal, "Group", current.group);
  id.code = ForeignOr(profile, path, kPersonal, "MyCode", current.code);
  id.name = ForeignOr(profile, path, kPersonal, "MyName", current.name);
  return id;
}

UserList ReadUserList(Profile& profile) {
  UserList list;
  for (int n = 1; n <= UserList::kMaxUsers; ++n) {
    UserEntry u;
    u.serverName = profile.ReadText(kUsers, Format("Server%02d", n), "");
    u.group = profile.ReadText(kUsers, Format("Group%02d", n), "");
    u.code = profile.ReadText(kUsers, Format("Code%02d", n), "");
    u.name = profile.ReadText(kUsers, Format("Name%02d", n), "");
    if (!u.name.empty()) list.users.push_back(std::move(u));
  }
  return list;
}

bool WriteUserList(Profile& profile, const UserList& list) {
  const UserEntry none;
  for (int n = 1; n <= UserList::kMaxUsers; ++n) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    const UserEntry& u = i < list.users.size() ? list.users[i] : none;
    if (!profile.WriteText(kUsers, Format("Server%02d", n), u.serverName) ||
        !profile.WriteText(kUsers, Format("Group%02d", n), u.group) ||
        !profile.WriteText(kUsers, Format("Code%02d", n), u.code) ||
        !profile.WriteText(kUsers, Format("Name%02d", n), u.name))
      return false;
  }
  return true;
}

}  // namespace quorvel
