#pragma once
// One member as the group views and qvlstatus --list show it: the line
// "%-16s %-16s %s (%s)" and the time text of its stamp. The views differ
// only in the style below.
#include <string>

#include "store/StatusRecord.h"

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

// The stamp's characters are copied, not checked as digits.
std::string StampTimeText(const std::string& stamp, const MemberViewStyle& style);

// "%-16s %-16s %s (%s)": name and code padded to 16 bytes and never cut;
// the whole line however long.
std::string MemberLine(const StatusRecord& member, const MemberViewStyle& style);

}  // namespace quorvel
