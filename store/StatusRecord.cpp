#include "store/StatusRecord.h"

#include <cstdio>

#include "store/TextCodec.h"

namespace quorvel {

std::string FormatStamp(const LocalTime& time) {
  // Sized for the widest ints a broken clock could hand over.
  char buffer[96];
  const int n = std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d%02d00", time.year,
                              time.month, time.day, time.hour, time.minute, time.second);
  if (n < 0) return std::string();
  return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer
                                 ? static_cast<std::size_t>(n)
                                 : sizeof buffer - 1);
}

std::string GroupFolderPath(const std::string& serverName, const std::string& group) {
  return serverName + "\\" + Encode(group);
}

std::string StatusFilePath(const StatusRecord& record) {
  return GroupFolderPath(record.serverName, record.group) + "\\" + Encode(record.code) + ".sta";
}

std::string MemoFilePath(const StatusRecord& record) {
  return GroupFolderPath(record.serverName, record.group) + "\\" + Encode(record.code) + ".mem";
}

}  // namespace quorvel
