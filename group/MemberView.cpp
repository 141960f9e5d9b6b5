#include "group/MemberView.h"

#include <vector>

#include "shell/StampText.h"
#include "store/GroupMembership.h"
#include "ui/ListFiller.h"

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
