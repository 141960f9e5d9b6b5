#include "store/StatusFile.h"

#include "platform/TextHelpers.h"
#include "store/DeviceName.h"
#include "store/RewriteInPlace.h"
#include "store/SharedOpen.h"
#include "store/TextCodec.h"

namespace quorvel {

namespace {

const char kCannotWrite[] = "状況ファイルが作成できません";

constexpr std::size_t kNameLimit = 48;
constexpr std::size_t kCodeLimit = 48;
constexpr std::size_t kStatusLimit = 192;
constexpr std::size_t kStampLimit = 71;
constexpr std::size_t kLineLimit = 510;

// The line of a status file. Every token is cut between whole escapes and
// whole characters, so what reads back is a clean prefix of what was typed.
std::string StatusLine(const StatusRecord& record, const std::string& escapedStamp) {
  std::string line = EncodeWithin(record.name, kNameLimit) + " " +
                     EncodeWithin(record.code, kCodeLimit) + " " +
                     EncodeWithin(record.status, kStatusLimit) + " " + escapedStamp + "\n";
  if (line.size() > kLineLimit) line.resize(kLineLimit);
  return line;
}

}  // namespace

int ParseStatusContent(const std::string& bytes, StatusRecord& record) {
  // The line was always read as a C string.
  const std::vector<std::string> tokens = ScanTokens(
      bytes.size() > kStatusWholeFile ? bytes.substr(0, kStatusLongFileCut) : bytes, 4);
  const int count = static_cast<int>(tokens.size());

  switch (count) {
    case 0:
      break;
    case 1:
      // The code stays as with two tokens: it names this very file, and a
      // cleared code would send the member's next memo or status to "=00".
    case 2:
      record.name = Decode(tokens[0]);
      record.status.clear();
      record.stamp.clear();
      break;
    case 3:
      record.name = Decode(tokens[0]);
      record.status = Decode(tokens[2]);
      record.stamp.clear();
      break;
    default:
      record.name = Decode(tokens[0]);
      record.status = Decode(tokens[2]);
      record.stamp = Decode(tokens[3]);
      break;
  }
  record.memoCount = 0;
  return count;
}

bool WriteStatus(Platform& platform, StatusRecord& record, bool freshStamp) {
  if (IsDeviceMember(record)) {
    platform.prompt.Alert(kCannotWrite);
    return false;
  }
  // Opened without cutting: the old line stays until the new one is whole.
  const std::string path = StatusFilePath(record);
  OpenResult opened = OpenShared(platform, path, FileAccess::ReadWrite, FileShare::None,
                                 FileDisposition::OpenAlways, kStatusRetryMs);
  if (!opened.file) {
    platform.prompt.Alert(kCannotWrite);
    return false;
  }
  const std::string stamp = freshStamp ? CutEscaped(Encode(FormatStamp(platform.clock.Now())),
                                                    kStampLimit)
                                       : CutEscaped(Encode(record.stamp), kStampLimit);
  const bool written = RewriteInPlace(*opened.file, StatusLine(record, stamp));
  opened.file.reset();
  if (!written) {
    // A file made by this call would list a member that never was.
    if (opened.created) platform.files.Delete(path);
    platform.prompt.Alert(kCannotWrite);
    return false;
  }
  record.name = StoredName(record.name);
  record.status = StoredStatus(record.status);
  record.stamp = stamp;
  return true;
}

std::string StoredName(const std::string& name) { return Decode(EncodeWithin(name, kNameLimit)); }

std::string StoredStatus(const std::string& status) {
  return Decode(EncodeWithin(status, kStatusLimit));
}

bool RenameStatus(Platform& platform, const StatusRecord& member, const std::string& name) {
  if (IsDeviceMember(member)) return false;
  const std::string path = StatusFilePath(member);
  OpenResult opened = OpenShared(platform, path, FileAccess::ReadWrite, FileShare::None,
                                 FileDisposition::OpenAlways, kStatusRetryMs);
  if (!opened.file) return false;
  StatusRecord record = member;
  std::string bytes;
  bool written = opened.file->Read(bytes, kStatusReadMax) && opened.file->Seek(0);
  if (written) {
    ParseStatusContent(bytes, record);
    record.name = name;
    written = RewriteInPlace(*opened.file, StatusLine(record, CutEscaped(Encode(record.stamp),
                                                                          kStampLimit)));
  }
  opened.file.reset();
  if (!written && opened.created) platform.files.Delete(path);
  return written;
}

bool ReadStatus(Platform& platform, StatusRecord& record) {
  // A device is never opened: it reads as a file that is not there.
  OpenResult opened =
      IsDeviceMember(record)
          ? OpenResult()
          : OpenShared(platform, StatusFilePath(record), FileAccess::Read, FileShare::Read,
                       FileDisposition::OpenExisting, kStatusRetryMs);
  std::string bytes;
  const bool read = opened.file && opened.file->Read(bytes, kStatusReadMax);
  opened.file.reset();
  if (!read) {
    record.status.clear();
    record.stamp.clear();
    return false;
  }
  ParseStatusContent(bytes, record);
  return true;
}

bool MemberExists(Platform& platform, const StatusRecord& record) {
  if (IsDeviceMember(record)) return false;
  std::unique_ptr<FileSearch> search = platform.files.Find(StatusFilePath(record));
  FoundFile found;
  // A folder that happens to carry the name is no member.
  return search->Next(found) && !found.isFolder;
}

bool DeleteStatusFile(Platform& platform, const StatusRecord& record) {
  return platform.files.Delete(StatusFilePath(record));
}

}  // namespace quorvel
