#pragma once
#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

// Rewrites the member's status file; with freshStamp the stamp is now.
bool WriteStatus(Platform& platform, StatusRecord& record, bool freshStamp);
// Fills name, status and stamp from the member's status file.
bool ReadStatus(Platform& platform, StatusRecord& record);
// True when the member's status file exists.
bool MemberExists(Platform& platform, const StatusRecord& record);

}  // namespace quorvel
