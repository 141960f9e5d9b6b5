#include "shell/MemberLine.h"

#include "shell/StampText.h"

namespace quorvel {

const MemberViewStyle kMultiGroupMemberView = {StampShown::HourMinute, "", false};
const MemberViewStyle kGroupMemberView = {StampShown::MonthDayHourMinute, "", false};
const MemberViewStyle kStatusListMemberView = {StampShown::MonthDayHourMinute, "??:??", true};

namespace {

constexpr std::size_t kColumnWidth = 16;

void AppendPadded(std::string& out, const std::string& text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

}  // namespace

std::string StampTimeText(const std::string& stamp, const MemberViewStyle& style) {
  const std::string text = style.stampShown == StampShown::MonthDayHourMinute
                               ? StampMonthDayHourMinute(stamp)
                               : StampHourMinute(stamp);
  return text.empty() ? style.noStamp : text;
}

std::string MemberLine(const StatusRecord& member, const MemberViewStyle& style) {
  std::string line;
  AppendPadded(line, member.name, kColumnWidth);
  line += ' ';
  AppendPadded(line, member.code, kColumnWidth);
  line += ' ';
  line += member.status;
  line += " (";
  line += StampTimeText(member.stamp, style);
  line += ')';
  return line;
}

}  // namespace quorvel
