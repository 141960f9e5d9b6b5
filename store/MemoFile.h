#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

// A memo file is read only to its first megabyte: far more than 99 memos
// ever need, and a runaway file cannot exhaust memory. The rest is ignored
// the way bytes after the last line feed are.
constexpr std::size_t kMemoReadMax = 1u << 20;
// A memo as typed is at most 128 bytes; its escape is at most 384.
constexpr std::size_t kMemoSendLimit = 384;
// Lines longer than this (only a hand-made file has them) are cut cleanly.
constexpr std::size_t kMemoLineReadLimit = 1024;
// WriteMemos writes the escape of at most this many bytes of a memo.
constexpr std::size_t kMemoWriteTextLimit = 256;
// A delete holds the lines after the deleted one in memory, to write them
// down in one piece; a hand-made file with more behind it is left alone.
constexpr std::size_t kMemoDeleteMoveMax = 64u << 20;

bool SendMemo(Platform& platform, const StatusRecord& addressee, const std::string& text);
bool ReadMemos(Platform& platform, StatusRecord& record);
// Rewrites the file in place, new memos from the start, then cuts it: a
// crash in between leaves old lines after the new ones, never fewer memos.
bool WriteMemos(Platform& platform, const StatusRecord& record);
// Deletes the memo `text` that a list showed at `shownIndex` (its position
// among the file's non-empty lines), under one exclusive open. The memo is
// found by its text, since another desk may have deleted an earlier one
// meanwhile; where the same text stands more than once, the one nearest that
// position goes. A memo appended meanwhile by another desk stays.
// A crash part way leaves every other memo once and whole, at worst with
// empty lines, which no list shows (see the definition).
// Messages: the empty-field texts of SendMemo; "伝言が作成できません" when the
// file cannot be opened (missing, or held through the retries); "伝言ファイルが
// 作成できません" when reading or rewriting it fails. A memo that is no longer
// in the file returns false silently, file as it was.
bool DeleteMemo(Platform& platform, const StatusRecord& record, int shownIndex,
                const std::string& text);

// The same deletion without any message, for a caller that words failures
// its own way (one failure, one message).
enum class MemoDeletion {
  Deleted,
  NoSuchMemo,     // no line holds the memo any more; the file is as it was
  Missing,        // no memo file, or its folder cannot be reached
  CannotOpen,     // there, but held through the retries or not writable
  CannotRewrite,  // reading or rewriting failed; the file is as it was
};
MemoDeletion DeleteMemoQuietly(Platform& platform, const StatusRecord& record, int shownIndex,
                               const std::string& text);

// The walk of ReadMemos over the bytes read: the decoded memos of the first
// kMaxMemos non-empty lines; overLimit is set when a further one follows.
struct MemoContent {
  std::vector<std::string> memos;
  bool overLimit = false;
};
MemoContent ParseMemoContent(const std::string& bytes);

}  // namespace quorvel
