#include "group/MemberView.h"

#include <vector>

#include "store/GroupMembership.h"
#include "ui/ListFiller.h"

namespace quorvel {

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
