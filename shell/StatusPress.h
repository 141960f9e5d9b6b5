#pragma once
// A press of status button n, wherever it comes from: a window's button,
// the automatic status at log-off, or a script.
#include <string>

#include "platform/Platform.h"
#include "platform/Profile.h"
#include "shell/MemberAddress.h"
#include "store/StatusRecord.h"

namespace quorvel {

// The label of button n by the lookup, read at the moment of the press so
// that a label changed by another window counts at once, then a blank and
// the remark ("%s %s": an empty remark leaves the blank at the end).
std::string PressedStatus(Profile& profile, int n, const std::string& remark);

// Writes that status for the member with a fresh stamp. On success
// `written` holds the record as written, its stamp included; on failure the
// store has told the user and nothing changed.
bool WriteStatusPress(Platform& platform, Profile& profile, const MemberAddress& member, int n,
                      const std::string& remark, StatusRecord& written);

}  // namespace quorvel
