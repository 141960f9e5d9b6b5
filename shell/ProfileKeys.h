#pragma once
// Every key of the profile: where it sits, what it holds, what an absent
// key reads as and how many bytes its box takes. Readers and writers name
// a key through this table and nowhere else.
#include <string>

#include "platform/Profile.h"
#include "shell/FieldLimits.h"

namespace quorvel {

enum class ProfileValue { kText, kNumber };

struct ProfileKey {
  const char* section;
  // A numbered key is a printf format with one number, for 1..slots.
  const char* name;
  ProfileValue value;
  const char* textDefault;  // formatted with the number too
  int numberDefault;
  int capacity;  // bytes the value's box takes; 0 when no box edits it
  int slots;     // 0 for a single key
};

constexpr char kButtonSection[] = "Button";
constexpr char kPersonalSection[] = "Personal";
constexpr char kSystemSection[] = "System";
constexpr char kWindowSection[] = "Window";
constexpr char kUsersSection[] = "Users";

constexpr int kStatusButtonCount = 21;
constexpr int kMaxUsers = 20;

constexpr ProfileKey TextKey(const char* section, const char* name, int capacity, int slots = 0,
                             const char* fallback = "") {
  return {section, name, ProfileValue::kText, fallback, 0, capacity, slots};
}
constexpr ProfileKey NumberKey(const char* section, const char* name, int fallback) {
  return {section, name, ProfileValue::kNumber, "", fallback, 0, 0};
}

constexpr ProfileKey kButtonLabelKey =
    TextKey(kButtonSection, "Button%d", kLabelLimit, kStatusButtonCount, "項目%d");

constexpr ProfileKey kMyNameKey = TextKey(kPersonalSection, "MyName", kNameLimit);
constexpr ProfileKey kMyCodeKey = TextKey(kPersonalSection, "MyCode", kOwnCodeLimit);
constexpr ProfileKey kMyGroupKey = TextKey(kPersonalSection, "Group", kGroupLimit);
constexpr ProfileKey kServerNameKey = TextKey(kSystemSection, "ServerName", kOwnServerLimit);

// Status buttons pressed by themselves; a number beyond the buttons
// presses nothing.
constexpr ProfileKey kOnExitKey = NumberKey(kPersonalSection, "OnExit", -1);
constexpr ProfileKey kOnLockKey = NumberKey(kPersonalSection, "OnLock", -1);
constexpr ProfileKey kOnUnlockKey = NumberKey(kPersonalSection, "OnUnlock", -1);
constexpr ProfileKey kOnIdleKey = NumberKey(kPersonalSection, "OnIdle", 0);
constexpr ProfileKey kIdleMinutesKey = NumberKey(kPersonalSection, "IdleMinutes", 10);
constexpr ProfileKey kMemoNoticeKey = NumberKey(kPersonalSection, "MemoNotice", 0);
constexpr ProfileKey kAutoRefreshKey = NumberKey(kSystemSection, "AutoRefresh", 0);

// Absent, the window is centred on the desktop: the reader works that out.
constexpr ProfileKey kWindowLeftKey = NumberKey(kWindowSection, "Left", 0);
constexpr ProfileKey kWindowTopKey = NumberKey(kWindowSection, "Top", 0);

// The users of the multi-user desk, one slot a user.
constexpr ProfileKey kUserServerKey = TextKey(kUsersSection, "Server%02d", kServerLimit, kMaxUsers);
constexpr ProfileKey kUserGroupKey = TextKey(kUsersSection, "Group%02d", kGroupLimit, kMaxUsers);
constexpr ProfileKey kUserCodeKey = TextKey(kUsersSection, "Code%02d", kCodeLimit, kMaxUsers);
constexpr ProfileKey kUserNameKey = TextKey(kUsersSection, "Name%02d", kNameLimit, kMaxUsers);

constexpr const ProfileKey* kProfileKeys[] = {
    &kButtonLabelKey, &kMyNameKey,      &kMyCodeKey,     &kMyGroupKey,   &kServerNameKey,
    &kOnExitKey,      &kOnLockKey,      &kOnUnlockKey,   &kOnIdleKey,    &kIdleMinutesKey,
    &kMemoNoticeKey,  &kAutoRefreshKey, &kWindowLeftKey, &kWindowTopKey, &kUserServerKey,
    &kUserGroupKey,   &kUserCodeKey,    &kUserNameKey,
};

// The name of slot n of a numbered key; the key's own name for a single one.
std::string KeyName(const ProfileKey& key, int n = 0);
std::string DefaultText(const ProfileKey& key, int n = 0);

std::string ReadKeyText(Profile& profile, const ProfileKey& key, int n = 0);
bool WriteKeyText(Profile& profile, const ProfileKey& key, const std::string& value, int n = 0);
int ReadKeyNumber(Profile& profile, const ProfileKey& key);
// With a default worked out by the reader (a window centred on the desktop).
int ReadKeyNumber(Profile& profile, const ProfileKey& key, int fallback);
bool WriteKeyNumber(Profile& profile, const ProfileKey& key, int value);
// At most capacity - 1 bytes of a dropped profile file, never ending in
// half a character; `fallback` when the file has none.
std::string ReadForeignKeyText(Profile& profile, const std::string& path, const ProfileKey& key,
                               const std::string& fallback, int capacity, int n = 0);

}  // namespace quorvel
