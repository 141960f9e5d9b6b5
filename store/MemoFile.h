#pragma once
#include <string>

#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

bool SendMemo(Platform& platform, const StatusRecord& addressee, const std::string& text);
bool ReadMemos(Platform& platform, StatusRecord& record);
bool WriteMemos(Platform& platform, const StatusRecord& record);
// Deletes the memo at `index` (its position among the file's non-empty lines)
// under one exclusive open, so a memo appended meanwhile by another desk stays.
bool DeleteMemo(Platform& platform, const StatusRecord& record, int index);

}  // namespace quorvel
