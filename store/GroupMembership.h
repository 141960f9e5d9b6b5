#pragma once
#include <string>

#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

bool CreateGroupFolder(Platform& platform, const std::string& serverName, const std::string& group);
bool EnumerateMembers(Platform& platform, MemberList& list);
bool LoadMembers(Platform& platform, MemberList& list);
bool RemoveMember(Platform& platform, const StatusRecord& record, bool ask);

}  // namespace quorvel
