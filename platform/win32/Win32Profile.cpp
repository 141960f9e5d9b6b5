#include "platform/win32/Win32Profile.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace quorvel {

namespace {

// One call into a zeroed buffer. The length is taken from the text itself:
// where Wine cuts a double-byte character it reports one byte more than it
// wrote.
std::string ReadInto(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& fallback, int capacity, bool& filled) {
  std::string buf(static_cast<std::size_t>(capacity), '\0');
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), &buf[0],
                                           static_cast<DWORD>(capacity), file.c_str());
  filled = n + 1 >= static_cast<DWORD>(capacity);
  buf.resize(std::strlen(buf.c_str()));
  return buf;
}

// A line break would end the line in the file and start another key.
std::string OneLine(const std::string& value) {
  return value.substr(0, value.find_first_of("\r\n"));
}

}  // namespace

Win32Profile::Win32Profile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string Win32Profile::ReadText(const std::string& section, const std::string& key,
                                   const std::string& fallback) {
  // The platform cannot tell how long a value is: read again into a larger
  // buffer as long as the last one came back full.
  bool filled = false;
  std::string text;
  for (int capacity = 256;; capacity *= 4) {
    if (capacity > kMaxText + 1) capacity = kMaxText + 1;
    text = ReadInto(fileName_, section, key, fallback, capacity, filled);
    if (!filled || capacity == kMaxText + 1) return text;
  }
}

int Win32Profile::ReadInt(const std::string& section, const std::string& key, int fallback) {
  return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback,
                                                fileName_.c_str()));
}

bool Win32Profile::WriteText(const std::string& section, const std::string& key,
                             const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), OneLine(value).c_str(),
                                    fileName_.c_str()) != FALSE;
}

bool Win32Profile::WriteInt(const std::string& section, const std::string& key, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", value);
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), buf, fileName_.c_str()) !=
         FALSE;
}

std::string Win32Profile::ReadForeignText(const std::string& path, const std::string& section,
                                          const std::string& key, const std::string& fallback,
                                          int capacity) {
  if (capacity <= 0) return std::string();
  bool filled = false;
  return ReadInto(path, section, key, fallback, capacity, filled);
}

}  // namespace quorvel
