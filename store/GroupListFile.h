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
};

bool ReadGroupList(Platform& platform, RegisteredGroups& groups,
                   const std::string& path = kGroupListFileName);
bool WriteGroupList(Platform& platform, const RegisteredGroups& groups,
                    const std::string& path = kGroupListFileName);

// The scan of ReadGroupList over the bytes read: replaces the table with
// the entries found. Returns false when a line beyond the 50th was met.
bool ParseGroupListContent(const std::string& bytes, RegisteredGroups& groups);

}  // namespace quorvel
