#include "shell/ProfileKeys.h"

#include <cstdio>

#include "platform/TextHelpers.h"

namespace quorvel {

namespace {

std::string Numbered(const char* format, const ProfileKey& key, int n) {
  if (key.slots == 0) return format;
  char buf[64];
  std::snprintf(buf, sizeof buf, format, n);
  return buf;
}

}  // namespace

std::string KeyName(const ProfileKey& key, int n) { return Numbered(key.name, key, n); }

std::string DefaultText(const ProfileKey& key, int n) { return Numbered(key.textDefault, key, n); }

std::string ReadKeyText(Profile& profile, const ProfileKey& key, int n) {
  return profile.ReadText(key.section, KeyName(key, n), DefaultText(key, n));
}

bool WriteKeyText(Profile& profile, const ProfileKey& key, const std::string& value, int n) {
  return profile.WriteText(key.section, KeyName(key, n), value);
}

int ReadKeyNumber(Profile& profile, const ProfileKey& key) {
  return ReadKeyNumber(profile, key, key.numberDefault);
}

int ReadKeyNumber(Profile& profile, const ProfileKey& key, int fallback) {
  return profile.ReadInt(key.section, KeyName(key), fallback);
}

bool WriteKeyNumber(Profile& profile, const ProfileKey& key, int value) {
  return profile.WriteInt(key.section, KeyName(key), value);
}

std::string ReadForeignKeyText(Profile& profile, const std::string& path, const ProfileKey& key,
                               const std::string& fallback, int capacity, int n) {
  // The platform cuts the value as bytes.
  std::string value =
      profile.ReadForeignText(path, key.section, KeyName(key, n), fallback, capacity);
  if (capacity <= 1 || value.size() != static_cast<std::size_t>(capacity - 1)) return value;
  std::size_t end = 0;
  while (end < value.size()) end += IsLeadByte(static_cast<unsigned char>(value[end])) ? 2 : 1;
  if (end > value.size()) value.pop_back();  // a lead byte cut from its trail byte
  return value;
}

}  // namespace quorvel
