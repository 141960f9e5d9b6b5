#include "shell/MemberLine.h"

#include "platform/TextHelpers.h"
#include "shell/StampText.h"

namespace quorvel {

const MemberViewStyle kMultiGroupMemberView = {StampShown::HourMinute, "", false};
const MemberViewStyle kGroupMemberView = {StampShown::MonthDayHourMinute, "", false};
const MemberViewStyle kStatusListMemberView = {StampShown::MonthDayHourMinute, "??:??", true};

namespace {

constexpr std::size_t kColumnWidth = 16;

}  // namespace

std::string StampTimeText(const std::string& stamp, const MemberViewStyle& style) {
  const std::string text = style.stampShown == StampShown::MonthDayHourMinute
                               ? StampMonthDayHourMinute(stamp)
                               : StampHourMinute(stamp);
  return text.empty() ? style.noStamp : text;
}

std::string MemberLine(const StatusRecord& member, const MemberViewStyle& style) {
  std::string line = PadRight(member.name, kColumnWidth);
  line += ' ';
  line += PadRight(member.code, kColumnWidth);
  line += ' ';
  line += member.status;
  line += " (";
  line += StampTimeText(member.stamp, style);
  line += ')';
  return line;
}

}  // namespace quorvel
