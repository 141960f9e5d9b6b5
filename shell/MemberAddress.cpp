#include "shell/MemberAddress.h"

namespace quorvel {

StatusRecord RecordFor(const MemberAddress& member) {
  StatusRecord record;
  record.serverName = member.serverName;
  record.group = member.group;
  record.code = member.code;
  record.name = member.name;
  return record;
}

bool HasPlace(const MemberAddress& member) {
  return !member.serverName.empty() && !member.group.empty() && !member.code.empty();
}

}  // namespace quorvel
