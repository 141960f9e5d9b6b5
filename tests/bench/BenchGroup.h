#pragma once
// The group both benchmarks load: 99 members, each with a name and a status
// as a desk writes them.
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "store/GroupMembership.h"
#include "store/StatusFile.h"

namespace quorvel::bench {

inline const char kGroup[] = "営業";

// Writes the group below `share`; the paths of its status files go to
// `paths` when given. False when a file could not be written.
inline bool WriteFullGroup(Platform& platform, const std::string& share,
                           std::vector<std::string>* paths = nullptr) {
  platform.files.CreateFolder(GroupFolderPath(share, kGroup));
  for (int i = 0; i < kMaxMembers; ++i) {
    StatusRecord r;
    r.serverName = share;
    r.group = kGroup;
    r.code = "A" + std::to_string(100 + i);
    r.name = "名前" + std::to_string(i);
    r.status = "外出 15時戻り";
    if (!WriteStatus(platform, r, true)) return false;
    if (paths != nullptr) paths->push_back(StatusFilePath(r));
  }
  return true;
}

}  // namespace quorvel::bench
