#pragma once
#include <string>
#include <vector>

#include "platform/Clock.h"

namespace quorvel {

constexpr int kMaxMemos = 99;
constexpr int kMaxMembers = 99;

// One member as the store and the windows hold it.
struct StatusRecord {
  std::string serverName;
  std::string group;  // unescaped
  std::string code;   // unescaped; names the member's files
  std::string name;
  std::string status;
  std::string stamp;  // 16 digits, or empty
  int memoCount = 0;
  std::vector<std::string> memoLines = std::vector<std::string>(kMaxMemos);
};

// What a group view holds for one group; records are reused between loads.
struct MemberList {
  std::string serverName;
  std::string group;
  int memberCount = 0;
  std::vector<StatusRecord> members = std::vector<StatusRecord>(kMaxMembers);
};

// "%04d%02d%02d%02d%02d%02d00" of the given local time.
std::string FormatStamp(const LocalTime& time);

// Server name, "\", Encode(group): the server name is used exactly as set.
std::string GroupFolderPath(const std::string& serverName, const std::string& group);
std::string StatusFilePath(const StatusRecord& record);
std::string MemoFilePath(const StatusRecord& record);

}  // namespace quorvel
