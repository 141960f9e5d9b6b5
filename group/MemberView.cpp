#include "group/MemberView.h"

#include <vector>

#include "store/GroupMembership.h"
#include "ui/ListFiller.h"

namespace quorvel {

const MemberViewStyle kMultiGroupMemberView = {StampShown::HourMinute, "", false};
const MemberViewStyle kGroupMemberView = {StampShown::MonthDayHourMinute, "", false};
const MemberViewStyle kStatusListMemberView = {StampShown::MonthDayHourMinute, "??:??", true};

namespace {

constexpr std::size_t kStampLength = 16;
constexpr std::size_t kColumnWidth = 16;

void AppendPadded(std::string& out, const std::string& text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

}  // namespace

std::string StampTimeText(const std::string& s, const MemberViewStyle& style) {
  if (s.size() != kStampLength) return style.noStamp;
  // Characters counted from 1: month 5-6, day 7-8, hour 9-10, minute 11-12.
  std::string out;
  if (style.stampShown == StampShown::MonthDayHourMinute) {
    out += s.substr(4, 2);
    out += '/';
    out += s.substr(6, 2);
    out += ' ';
  }
  out += s.substr(8, 2);
  out += ':';
  out += s.substr(10, 2);
  return out;
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

void RefreshMembers(Platform& platform, DialogView& view, int listId, MemberList& members,
                    const std::string& serverName, const std::string& group,
                    const MemberViewStyle& style) {
  view.ListReset(listId);
  if (!style.loadWithoutIdentity && (serverName.empty() || group.empty())) return;
  members.serverName = serverName;
  members.group = group;
  LoadMembers(platform, members);
  int count = members.memberCount;
  if (count < 0) count = 0;
  if (count > static_cast<int>(members.members.size()))
    count = static_cast<int>(members.members.size());
  std::vector<std::string> lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) lines.push_back(MemberLine(members.members[i], style));
  FillList(view, listId, lines);
}

}  // namespace quorvel
