#pragma once
// Reading a member's memo file without a word to the user: for the memo
// notice, which looks at the file whenever the group folder changes, and for
// scripts, which word failures their own way.
#include <string>

#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

enum class MemoFileRead {
  Read,
  Missing,  // no memo file (no memo was ever left), or its folder is not there
  Held,     // a sender or a delete has it open this moment
  Failed,   // cannot be opened or read for another reason
};

// The file's first kMemoReadMax bytes. It is opened for reading with the
// sharing that SendMemo and DeleteMemo retry against, and closed at once.
// With `retry` a held file is tried again as a sender would; without it the
// caller is never kept waiting. Never shows a message.
MemoFileRead ReadMemoBytes(Platform& platform, const StatusRecord& record, bool retry,
                           std::string& bytes);

// The memos the bytes hold as ReadMemos counts them, non-empty ended lines,
// but without its limit.
int CountMemoLines(const std::string& bytes);

}  // namespace quorvel
