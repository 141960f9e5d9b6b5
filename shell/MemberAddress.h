#pragma once
// Who a status, a memo or a listing is for: the place of one member's files
// on the share and the name the member goes by.
#include <string>

#include "store/StatusRecord.h"

namespace quorvel {

struct MemberAddress {
  std::string name;
  std::string code;
  std::string group;
  std::string serverName;
};

// A record of the store for the member, with nothing read yet.
StatusRecord RecordFor(const MemberAddress& member);

// Server name, group and code all set: the member's files can be named.
bool HasPlace(const MemberAddress& member);

}  // namespace quorvel
