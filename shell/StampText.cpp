#include "shell/StampText.h"

namespace quorvel {

namespace {
constexpr std::size_t kStampLength = 16;
}  // namespace

// Characters counted from 1: month 5-6, day 7-8, hour 9-10, minute 11-12.
std::string StampHourMinute(const std::string& stamp) {
  if (stamp.size() != kStampLength) return std::string();
  return stamp.substr(8, 2) + ":" + stamp.substr(10, 2);
}

std::string StampMonthDayHourMinute(const std::string& stamp) {
  if (stamp.size() != kStampLength) return std::string();
  return stamp.substr(4, 2) + "/" + stamp.substr(6, 2) + " " + StampHourMinute(stamp);
}

}  // namespace quorvel
