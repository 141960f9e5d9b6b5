#pragma once
#include <cstddef>
#include <string>

#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

// A status file of up to 512 bytes is taken whole, a longer one only to its
// first 510 bytes; reading one byte past the whole size tells them apart.
constexpr std::size_t kStatusWholeFile = 512;
constexpr std::size_t kStatusLongFileCut = 510;
constexpr std::size_t kStatusReadMax = kStatusWholeFile + 1;

// Rewrites the member's status file; with freshStamp the stamp is now. On
// success name, status and stamp are those the file now holds.
bool WriteStatus(Platform& platform, StatusRecord& record, bool freshStamp);
// What a status file keeps of a name or a status: its token's cut, between
// whole characters, as it reads back. For showing what a write will store.
std::string StoredName(const std::string& name);
std::string StoredStatus(const std::string& status);
// Gives the member's status file a new name, its status and stamp as they
// stand, under one exclusive open: a status another desk writes meanwhile
// waits for it rather than being undone. A missing file is made with the
// name alone. False, telling nobody, when the file cannot be held through
// the retries, read or rewritten; it is then as it was.
bool RenameStatus(Platform& platform, const StatusRecord& member, const std::string& name);
// Fills name, status and stamp from the member's status file.
bool ReadStatus(Platform& platform, StatusRecord& record);
// True when the member's status file exists.
bool MemberExists(Platform& platform, const StatusRecord& record);
// Deletes the member's status file, telling nobody: for taking back a
// status file just written by an operation that failed later.
bool DeleteStatusFile(Platform& platform, const StatusRecord& record);

// The part of ReadStatus that needs no file: fills the record from the
// bytes read (at most kStatusReadMax of them matter) and sets the memo
// count to 0. Returns the number of tokens found (0 to 4).
int ParseStatusContent(const std::string& bytes, StatusRecord& record);

}  // namespace quorvel
