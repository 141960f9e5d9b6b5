#pragma once
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quorvel {

constexpr int kMaxRegisteredGroups = 50;
extern const char kGroupListFileName[];  // "QVL.gl", in the current directory

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

}  // namespace quorvel
