#include "store/GroupListFile.h"

#include <utility>

#include "platform/TextHelpers.h"
#include "store/SharedOpen.h"
#include "store/TextCodec.h"

namespace quorvel {

const char kGroupListFileName[] = "QVL.gl";

namespace {

const char kMissing[] = "グループ情報ファイルがありません";
const char kBroken[] = "グループ情報ファイルが異常です";
const char kTooMany[] = "登録グループの件数が制限を越えています";
const char kNothingRegistered[] = "グループが登録されていません";
const char kCannotWrite[] = "グループ情報ファイルが作成できません";
const char kFreshSuffix[] = ".new";
// A local file, held only for a moment by a copy or a backup: retried as
// briefly as a status file.
constexpr int kGroupListRetryMs = kStatusRetryMs;
constexpr std::size_t kChunk = 64 * 1024;

void EnsureCapacity(RegisteredGroups& groups) {
  if (groups.serverNames.size() < static_cast<std::size_t>(kMaxRegisteredGroups))
    groups.serverNames.resize(kMaxRegisteredGroups);
  if (groups.groups.size() < static_cast<std::size_t>(kMaxRegisteredGroups))
    groups.groups.resize(kMaxRegisteredGroups);
}

}  // namespace

bool ParseGroupListContent(const std::string& bytes, RegisteredGroups& groups) {
  EnsureCapacity(groups);
  groups.count = 0;
  groups.unshownLines.clear();
  bool withinLimit = true;
  ForEachNumberedLine(bytes, [&](std::size_t, std::size_t start, std::size_t end) {
    // The limit is tested before the line is looked at.
    if (groups.count >= kMaxRegisteredGroups) {
      groups.unshownLines = bytes.substr(start);
      withinLimit = false;
      return false;
    }
    // Each line was scanned as a C string.
    const std::vector<std::string> tokens = ScanTokens(bytes.substr(start, end - start), 2);
    if (tokens.size() < 2) return true;  // one word or white space only
    groups.serverNames[static_cast<std::size_t>(groups.count)] = Decode(tokens[0]);
    groups.groups[static_cast<std::size_t>(groups.count)] = Decode(tokens[1]);
    ++groups.count;
    return true;
  });
  return withinLimit;
}

GroupListRead ReadGroupList(Platform& platform, RegisteredGroups& groups, const std::string& path) {
  OpenResult opened = OpenShared(platform, path, FileAccess::Read, FileShare::Read,
                                 FileDisposition::OpenExisting, kGroupListRetryMs);
  if (!opened.file) {
    platform.prompt.Alert(kMissing);
    if (opened.error != FileError::NotFound) return GroupListRead::Unreadable;
    groups.count = 0;
    groups.unshownLines.clear();
    return GroupListRead::Missing;
  }
  std::string bytes;
  if (!opened.file->Read(bytes, kGroupListReadMax)) {
    platform.prompt.Alert(kBroken);
    return GroupListRead::Unreadable;
  }
  RegisteredGroups read;
  const bool withinLimit = ParseGroupListContent(bytes, read);
  // What lies beyond the part read is no entry anyone sees, but it stays
  // in the file: it is carried whole to the next write.
  if (bytes.size() == kGroupListReadMax) {
    if (withinLimit) read.unshownLines = bytes.substr(bytes.rfind('\n') + 1);
    std::string chunk;
    do {
      if (!opened.file->Read(chunk, kChunk)) {
        platform.prompt.Alert(kBroken);
        return GroupListRead::Unreadable;
      }
      read.unshownLines += chunk;
    } while (!chunk.empty());
  }
  opened.file.reset();
  if (!withinLimit) platform.prompt.Alert(kTooMany);
  groups = std::move(read);
  return GroupListRead::Read;
}

bool WriteGroupList(Platform& platform, const RegisteredGroups& groups, const std::string& path) {
  int count = groups.count;
  if (count > static_cast<int>(groups.serverNames.size()))
    count = static_cast<int>(groups.serverNames.size());
  if (count > static_cast<int>(groups.groups.size())) count = static_cast<int>(groups.groups.size());
  if (count <= 0) {
    platform.prompt.Alert(kNothingRegistered);
    return false;
  }
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += Encode(groups.serverNames[static_cast<std::size_t>(i)]);
    bytes += ' ';
    bytes += Encode(groups.groups[static_cast<std::size_t>(i)]);
    bytes += '\n';
  }
  bytes += groups.unshownLines;
  // The list goes to a file beside the old one, which is then replaced in
  // one step: a crash or a failure leaves the old list or the new one whole.
  // A file of that name left by a crash is simply written over.
  const std::string fresh = path + kFreshSuffix;
  OpenResult opened =
      platform.files.Open(fresh, FileAccess::Write, FileShare::None, FileDisposition::CreateAlways);
  if (!opened.file) {
    platform.prompt.Alert(kCannotWrite);
    return false;
  }
  const bool written = opened.file->Write(bytes);
  opened.file.reset();
  if (!written || !platform.files.MoveOver(fresh, path)) {
    platform.files.Delete(fresh);
    platform.prompt.Alert(kCannotWrite);
    return false;
  }
  return true;
}

}  // namespace quorvel
