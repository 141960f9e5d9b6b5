#include "shell/StatusPress.h"

#include "shell/ProfileRules.h"
#include "store/StatusFile.h"

namespace quorvel {

std::string PressedStatus(Profile& profile, int n, const std::string& remark) {
  return ReadButtonLabel(profile, n) + " " + remark;
}

bool WriteStatusPress(Platform& platform, Profile& profile, const MemberAddress& member, int n,
                      const std::string& remark, StatusRecord& written) {
  StatusRecord record = RecordFor(member);
  record.status = PressedStatus(profile, n, remark);
  if (!WriteStatus(platform, record, true)) return false;
  written = std::move(record);
  return true;
}

}  // namespace quorvel
