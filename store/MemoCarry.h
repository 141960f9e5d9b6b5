#pragma once
// The memos of a member who moves to a new code, group or server. The memo
// file's bytes go over as they are (every line, however many and however
// long, an unended last one too), and the old file is emptied only once the
// new one holds them all. Both files are held exclusively from the first
// step to the last, so no memo another desk sends meanwhile is left behind
// or taken back with the move's own bytes: that desk is told it could not
// send, as with any held memo file.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "store/StatusRecord.h"

namespace quorvel {

// A larger memo file is not carried; the move is refused.
constexpr std::uint64_t kMemoCarryMax = 64u << 20;

class MemoCarry {
 public:
  explicit MemoCarry(Platform& platform) : platform_(platform) {}
  ~MemoCarry();  // lets go of both files as they are
  MemoCarry(const MemoCarry&) = delete;
  MemoCarry& operator=(const MemoCarry&) = delete;

  // Holds and reads the old member's memo file, retried as a memo file is.
  // No file is nothing to carry. False, telling nobody, when the file is
  // there but cannot be held through the retries or read whole.
  bool Take(const StatusRecord& from);
  // Adds the bytes taken to the end of the new member's memo file (made
  // when missing) in one write. False, telling nobody, when it cannot be
  // held or written; it is then as it was.
  bool Put(const StatusRecord& to);
  // A later step of the move failed: the new file loses what Put added.
  void TakeBack();
  // The move is done: the old file is emptied under its hold, let go, and
  // deleted when it is still empty. Call before the old status file goes,
  // so that a desk sending at that moment is refused rather than lost.
  void EmptyOld();
  void Finish();

 private:
  Platform& platform_;
  std::string bytes_;  // the old file's content
  std::unique_ptr<File> old_;
  std::string oldPath_;
  std::unique_ptr<File> new_;
  std::string newPath_;
  std::uint64_t newSizeBefore_ = 0;
  bool newCreated_ = false;
  bool oldEmptied_ = false;
};

}  // namespace quorvel
