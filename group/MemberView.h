#pragma once
// The member list of the three group views: one line per member, refilled
// whole on every refresh.
#include <string>

#include "platform/Platform.h"
#include "res/resource.h"
#include "shell/MemberLine.h"
#include "store/StatusRecord.h"
#include "ui/DialogView.h"

namespace quorvel {

constexpr int kMemberListId = IDC_MEMBER_LIST;

// Empties the list, then (unless the style stops at an empty server name or
// group) loads the group into `members` and shows one line per member in
// list order, with the extent of the longest line.
void RefreshMembers(Platform& platform, DialogView& view, int listId, MemberList& members,
                    const std::string& serverName, const std::string& group,
                    const MemberViewStyle& style);

}  // namespace quorvel
