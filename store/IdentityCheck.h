#pragma once
#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

// False, after telling the user the first one missing, unless the record's
// server name, group and code are all set.
bool HasIdentity(Platform& platform, const StatusRecord& record);

}  // namespace quorvel
