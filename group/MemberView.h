#pragma once
// The member list of the three group views: one line per member, refilled
// whole on every refresh. The views differ only in the style below.
#include <string>

#include "platform/Platform.h"
#include "res/resource.h"
#include "store/StatusRecord.h"
#include "ui/DialogView.h"

namespace quorvel {

enum class StampShown {
  HourMinute,          // "09:30"
  MonthDayHourMinute,  // "06/15 09:30"
};

struct MemberViewStyle {
  StampShown stampShown;
  const char* noStamp;        // time text of a stamp that is not 16 characters
  bool loadWithoutIdentity;   // load even with an empty server name or group
};

extern const MemberViewStyle kMultiGroupMemberView;  // 09:30, "", stops
extern const MemberViewStyle kGroupMemberView;       // 06/15 09:30, "", stops
extern const MemberViewStyle kStatusListMemberView;  // 06/15 09:30, "??:??", loads

constexpr int kMemberListId = IDC_MEMBER_LIST;

// The stamp's characters are copied, not checked as digits.
std::string StampTimeText(const std::string& stamp, const MemberViewStyle& style);

// "%-16s %-16s %s (%s)": name and code padded to 16 bytes and never cut;
// the whole line however long.
std::string MemberLine(const StatusRecord& member, const MemberViewStyle& style);

// Empties the list, then (unless the style stops at an empty server name or
// group) loads the group into `members` and shows one line per member in
// list order, with the extent of the longest line.
void RefreshMembers(Platform& platform, DialogView& view, int listId, MemberList& members,
                    const std::string& serverName, const std::string& group,
                    const MemberViewStyle& style);

}  // namespace quorvel
