#pragma once
#include <string>

#include "platform/Platform.h"
#include "store/ConcurrentReads.h"
#include "store/StatusRecord.h"

namespace quorvel {

enum class GroupCreation {
  Refused,     // no server or no group named: nothing was tried
  Created,
  NotCreated,  // tried and failed (there already, out of reach, a device)
};
// Tells the user which of the three it was.
GroupCreation CreateGroupFolder(Platform& platform, const std::string& serverName,
                                const std::string& group);
// Reads the status files concurrently once the share proves slow; the list
// and the messages are those of reading them one by one. False when the
// group folder could not be searched (missing, a device, out of reach): the
// list is then empty, as for a group without members. An unreadable member
// stays listed, empty, and does not make it false.
bool LoadMembers(Platform& platform, MemberList& list);
// The same at a given pace: width 1 reads one by one, a zero slowCall reads
// concurrently from the start.
bool LoadMembers(Platform& platform, MemberList& list, const ReadPace& pace);
// Whether the group folder can be searched at all; says so when it cannot
// (missing, not a folder, out of reach). For a caller that must tell an
// unreachable group from an empty one: the windows list both as nobody.
bool CheckGroupFolder(Platform& platform, const std::string& serverName, const std::string& group);
bool RemoveMember(Platform& platform, const StatusRecord& record, bool ask);

}  // namespace quorvel
