#include "store/MemoFile.h"

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

}  // namespace

MemoContent ParseMemoContent(const std::string& bytes) {
  MemoContent out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) break;  // an unended last line is ignored
    if (lf > start) {
      if (out.memos.size() >= static_cast<std::size_t>(kMaxMemos)) {
        out.overLimit = true;
        break;
      }
      out.memos.push_back(Decode(CutEscaped(bytes.substr(start, lf - start), kMemoLineReadLimit)));
    }
    start = lf + 1;
  }
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

  // Count the lines in chunks: only the count is needed, whatever the size.
  int lines = 0;
  std::uint64_t size = 0;
  char last = '\n';
  std::string chunk;
  for (;;) {
    if (!file.Read(chunk, kChunk)) return fail(kCannotSend);
    if (chunk.empty()) break;
    size += chunk.size();
    for (char c : chunk)
      if (c == '\n') ++lines;
    last = chunk.back();
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

bool DeleteMemo(Platform& platform, const StatusRecord& record, int index) {
  if (!HasIdentity(platform, record)) return false;
  switch (DeleteMemoQuietly(platform, record, index)) {
    case MemoDeletion::Deleted:
      return true;
    case MemoDeletion::NoSuchMemo:
      return false;
    case MemoDeletion::CannotOpen:
      platform.prompt.Alert(kCannotSend);
      return false;
    case MemoDeletion::CannotRewrite:
      platform.prompt.Alert(kCannotRewrite);
      return false;
  }
  return false;
}

// The later lines move down over the deleted one before the file is cut,
// never the other way round, so a crash (or a failed call) part way loses no
// memo. What it may leave behind the new end is the old file's last bytes,
// as many as the deleted line had: a second copy of the last memo, or a cut
// piece of it on a line of its own, which the owner deletes like any memo.
// (A file longer than one 64 KB move, which only a hand-made one is, may
// instead show a stretch of lines twice, the seam inside one line.)
MemoDeletion DeleteMemoQuietly(Platform& platform, const StatusRecord& record, int index) {
  OpenResult opened =
      IsDeviceMember(record)
          ? OpenResult()
          : OpenShared(platform, MemoFilePath(record), FileAccess::ReadWrite, FileShare::None,
                       FileDisposition::OpenExisting, kMemoRetryMs);
  if (!opened.file) return MemoDeletion::CannotOpen;
  File& file = *opened.file;
  std::string head;
  if (!file.Read(head, kMemoReadMax)) return MemoDeletion::CannotRewrite;

  // Find the line as ReadMemos numbers it: non-empty, ended, among the first 99.
  std::size_t cutStart = 0, cutEnd = 0;
  bool found = false;
  int seen = 0;
  for (std::size_t start = 0; seen < kMaxMemos;) {
    const std::size_t lf = head.find('\n', start);
    if (lf == std::string::npos) break;
    if (lf > start) {
      if (seen == index) {
        cutStart = start;
        cutEnd = lf + 1;
        found = true;
        break;
      }
      ++seen;
    }
    start = lf + 1;
  }
  if (!found) return MemoDeletion::NoSuchMemo;

  // Move everything after the line down over it, a chunk at a time, so that
  // a file of any size keeps every other byte.
  std::uint64_t from = cutEnd, to = cutStart;
  std::string chunk;
  for (;;) {
    if (!file.Seek(from) || !file.Read(chunk, kChunk)) return MemoDeletion::CannotRewrite;
    if (chunk.empty()) break;
    if (!file.Seek(to) || !file.Write(chunk)) return MemoDeletion::CannotRewrite;
    from += chunk.size();
    to += chunk.size();
  }
  if (!file.Seek(to) || !file.Truncate()) return MemoDeletion::CannotRewrite;
  return MemoDeletion::Deleted;
}

}  // namespace quorvel
