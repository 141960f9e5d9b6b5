#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quorvel {

constexpr int kMaxRegisteredGroups = 50;
extern const char kGroupListFileName[];  // "QVL.gl", in the current directory
// The group list file is read only to its first megabyte; 50 entries of the
// longest kind take well under 25 KB.
constexpr std::size_t kGroupListReadMax = 1u << 20;

// The server-name/group pairs the multi-group window watches.
struct RegisteredGroups {
  int count = 0;
  std::vector<std::string> serverNames = std::vector<std::string>(kMaxRegisteredGroups);
  std::vector<std::string> groups = std::vector<std::string>(kMaxRegisteredGroups);
  // The file's lines beyond the 50th entry (or beyond the part read), as
  // the file holds them: no window shows them, and a write keeps them.
  std::string unshownLines;
};

enum class GroupListRead {
  Read,
  Missing,     // no file: the table is then empty
  Unreadable,  // held by another process through the retries, or unreadable
};
// The user is told of a missing or unreadable file. An unreadable one
// leaves the table as it was, so that a window keeps the list it shows.
GroupListRead ReadGroupList(Platform& platform, RegisteredGroups& groups,
                   const std::string& path = kGroupListFileName);
bool WriteGroupList(Platform& platform, const RegisteredGroups& groups,
                    const std::string& path = kGroupListFileName);

// The scan of ReadGroupList over the bytes read: replaces the table with
// the entries found, and keeps the lines from the first one beyond the 50th
// entry on as unshownLines. Returns false when there was such a line.
bool ParseGroupListContent(const std::string& bytes, RegisteredGroups& groups);

}  // namespace quorvel
