#include "store/MemoFile.h"

#include "platform/TextHelpers.h"
#include "store/DeviceName.h"
#include "store/IdentityCheck.h"
#include "store/RewriteInPlace.h"
#include "store/SharedOpen.h"
#include "store/StatusFile.h"
#include "store/TextCodec.h"

namespace quorvel {

namespace {

const char kNoAddressee[] = "宛先の人が見つかりません";
const char kCannotSend[] = "伝言が作成できません";
const char kTooMany[] = "伝言の最大件数を越えています";
const char kOverLimit[] = "伝言の件数が制限を越えています";
const char kCannotRewrite[] = "伝言ファイルが作成できません";

constexpr std::size_t kChunk = 64 * 1024;

// A stored line as the lists show it.
std::string MemoOfLine(const std::string& line) {
  return Decode(CutEscaped(line, kMemoLineReadLimit));
}

// The ended line that holds `text` nearest to the non-empty line numbered
// `shownIndex` (the earlier one of two as near): its bytes [start, end),
// line feed included. False when no line holds it.
bool FindMemoLine(const std::string& bytes, int shownIndex, const std::string& text,
                  std::size_t& start, std::size_t& end) {
  long best = -1;
  ForEachNumberedLine(bytes, [&](std::size_t number, std::size_t from, std::size_t lf) {
    const long position = static_cast<long>(number);
    const long distance = position > shownIndex ? position - shownIndex : shownIndex - position;
    // Past the shown line and no nearer: only farther ones follow.
    if (best >= 0 && position > shownIndex && distance >= best) return false;
    if ((best < 0 || distance < best) && MemoOfLine(bytes.substr(from, lf - from)) == text) {
      best = distance;
      start = from;
      end = lf + 1;
    }
    return true;
  });
  return best >= 0;
}

}  // namespace

MemoContent ParseMemoContent(const std::string& bytes) {
  MemoContent out;
  ForEachNumberedLine(bytes, [&](std::size_t number, std::size_t start, std::size_t lf) {
    if (number >= static_cast<std::size_t>(kMaxMemos)) {
      out.overLimit = true;
      return false;
    }
    out.memos.push_back(MemoOfLine(bytes.substr(start, lf - start)));
    return true;
  });
  return out;
}

bool SendMemo(Platform& platform, const StatusRecord& addressee, const std::string& text) {
  if (!HasIdentity(platform, addressee)) return false;
  if (!MemberExists(platform, addressee)) {
    platform.prompt.Alert(kNoAddressee);
    return false;
  }
  const std::string path = MemoFilePath(addressee);
  OpenResult opened = OpenShared(platform, path, FileAccess::ReadWrite, FileShare::None,
                                 FileDisposition::OpenAlways, kMemoRetryMs);
  if (!opened.file) {
    platform.prompt.Alert(kCannotSend);
    return false;
  }
  File& file = *opened.file;
  // A memo file made by this call goes again when no memo went into it.
  const auto fail = [&](const char* message) {
    opened.file.reset();
    if (opened.created) platform.files.Delete(path);
    platform.prompt.Alert(message);
    return false;
  };

  // Count the memo lines in chunks: only the count is needed, whatever the
  // size. Empty lines are no memos (a delete broken off may leave some), so
  // they take no room.
  int lines = 0;
  std::uint64_t size = 0;
  char last = '\n';
  std::string chunk;
  for (;;) {
    if (!file.Read(chunk, kChunk)) return fail(kCannotSend);
    if (chunk.empty()) break;
    size += chunk.size();
    for (char c : chunk) {
      if (c == '\n' && last != '\n') ++lines;
      last = c;
    }
    if (lines >= kMaxMemos) break;
  }
  // A hand-edited last line without its line feed counts as a line, and the
  // new memo starts on a line of its own rather than being glued to it.
  const bool unended = last != '\n';
  if (unended) ++lines;
  if (lines >= kMaxMemos) return fail(kTooMany);
  std::string line = unended ? "\n" : "";
  line += EncodeWithin(text, kMemoSendLimit);
  line += '\n';
  if (!file.SeekToEnd() || !file.Write(line)) {
    // Take back a partial line so the file holds only whole memos.
    if (file.Seek(size)) file.Truncate();
    return fail(kCannotSend);
  }
  return true;
}

bool ReadMemos(Platform& platform, StatusRecord& record) {
  if (IsDeviceMember(record)) return false;
  OpenResult opened = OpenShared(platform, MemoFilePath(record), FileAccess::Read,
                                 FileShare::Read, FileDisposition::OpenExisting, kMemoRetryMs);
  if (!opened.file) return false;
  std::string bytes;
  const bool read = opened.file->Read(bytes, kMemoReadMax);
  opened.file.reset();
  if (!read) return false;

  MemoContent content = ParseMemoContent(bytes);
  if (content.overLimit) platform.prompt.Alert(kOverLimit);
  if (record.memoLines.size() < static_cast<std::size_t>(kMaxMemos))
    record.memoLines.resize(kMaxMemos);
  for (std::size_t i = 0; i < record.memoLines.size(); ++i)
    record.memoLines[i] = i < content.memos.size() ? content.memos[i] : std::string();
  record.memoCount = static_cast<int>(content.memos.size());
  return true;
}

bool WriteMemos(Platform& platform, const StatusRecord& record) {
  if (!HasIdentity(platform, record)) return false;
  // Opened without cutting: the old memos stay until the new ones are whole.
  const std::string path = MemoFilePath(record);
  OpenResult opened = IsDeviceMember(record)
                          ? OpenResult()
                          : platform.files.Open(path, FileAccess::ReadWrite, FileShare::None,
                                                FileDisposition::OpenAlways);
  if (!opened.file) {
    platform.prompt.Alert(kCannotRewrite);
    return false;
  }
  std::size_t count = record.memoCount > 0 ? static_cast<std::size_t>(record.memoCount) : 0;
  if (count > record.memoLines.size()) count = record.memoLines.size();
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& memo = record.memoLines[i];
    if (memo.empty()) continue;
    bytes += Encode(CutText(memo, kMemoWriteTextLimit));
    bytes += '\n';
  }
  const bool written = RewriteInPlace(*opened.file, bytes);
  opened.file.reset();
  if (!written) {
    if (opened.created) platform.files.Delete(path);
    platform.prompt.Alert(kCannotRewrite);
    return false;
  }
  return true;
}

bool DeleteMemo(Platform& platform, const StatusRecord& record, int shownIndex,
                const std::string& text) {
  if (!HasIdentity(platform, record)) return false;
  switch (DeleteMemoQuietly(platform, record, shownIndex, text)) {
    case MemoDeletion::Deleted:
      return true;
    case MemoDeletion::NoSuchMemo:
      return false;
    case MemoDeletion::Missing:
    case MemoDeletion::CannotOpen:
      platform.prompt.Alert(kCannotSend);
      return false;
    case MemoDeletion::CannotRewrite:
      platform.prompt.Alert(kCannotRewrite);
      return false;
  }
  return false;
}

// Three steps, each one write or cut, so that a crash after any of them
// leaves every other memo once and whole: the deleted line's bytes become
// line feeds (the memo is gone, nothing else moved); the later lines are
// written down over them, the freed tail filled with line feeds; the file
// is cut behind the last line. What a crash may leave is empty lines, which
// no list shows. Once the first write is done the memo is deleted: a
// failure in the later steps leaves only those empty lines behind.
MemoDeletion DeleteMemoQuietly(Platform& platform, const StatusRecord& record, int shownIndex,
                               const std::string& text) {
  OpenResult opened =
      IsDeviceMember(record)
          ? OpenResult()
          : OpenShared(platform, MemoFilePath(record), FileAccess::ReadWrite, FileShare::None,
                       FileDisposition::OpenExisting, kMemoRetryMs);
  if (!opened.file)
    return opened.error == FileError::NotFound ? MemoDeletion::Missing : MemoDeletion::CannotOpen;
  File& file = *opened.file;
  std::string head;
  if (!file.Read(head, kMemoReadMax)) return MemoDeletion::CannotRewrite;
  std::size_t start = 0, end = 0;
  if (!FindMemoLine(head, shownIndex, text, start, end)) return MemoDeletion::NoSuchMemo;

  // The later lines, all of them, whatever lies beyond the part read.
  std::string later;
  std::uint64_t size = head.size();
  if (head.size() < kMemoReadMax) {
    later = head.substr(end);
  } else {
    if (!file.Size(size) || size < end || size - end > kMemoDeleteMoveMax)
      return MemoDeletion::CannotRewrite;
    const std::size_t length = static_cast<std::size_t>(size - end);
    if (!file.Seek(end) || !file.Read(later, length) || later.size() != length)
      return MemoDeletion::CannotRewrite;
  }

  const std::string blank(end - start, '\n');
  if (!file.Seek(start) || !file.Write(blank)) return MemoDeletion::CannotRewrite;
  if (file.Seek(start) && file.Write(later + blank) && file.Seek(size - blank.size()))
    file.Truncate();
  return MemoDeletion::Deleted;
}

}  // namespace quorvel
