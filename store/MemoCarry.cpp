#include "store/MemoCarry.h"

#include "store/DeviceName.h"
#include "store/SharedOpen.h"

namespace quorvel {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}  // namespace

MemoCarry::~MemoCarry() = default;

bool MemoCarry::Take(const StatusRecord& from) {
  if (IsDeviceMember(from)) return true;  // never opened: no memos there
  oldPath_ = MemoFilePath(from);
  OpenResult opened = OpenShared(platform_, oldPath_, FileAccess::ReadWrite, FileShare::None,
                                 FileDisposition::OpenExisting, kMemoRetryMs);
  if (!opened.file) return opened.error == FileError::NotFound;
  std::string chunk;
  for (;;) {
    if (!opened.file->Read(chunk, kChunk)) return false;
    if (chunk.empty()) break;
    if (bytes_.size() + chunk.size() > kMemoCarryMax) return false;
    bytes_ += chunk;
  }
  old_ = std::move(opened.file);
  return true;
}

bool MemoCarry::Put(const StatusRecord& to) {
  if (bytes_.empty()) return true;
  if (IsDeviceMember(to)) return false;
  newPath_ = MemoFilePath(to);
  OpenResult opened = OpenShared(platform_, newPath_, FileAccess::ReadWrite, FileShare::None,
                                 FileDisposition::OpenAlways, kMemoRetryMs);
  if (!opened.file) return false;
  File& file = *opened.file;
  newCreated_ = opened.created;
  // A memo file already there (left by a member removed earlier) keeps its
  // memos; the carried ones start on a line of their own.
  std::string last;
  bool ok = file.Size(newSizeBefore_);
  if (ok && newSizeBefore_ > 0) ok = file.Seek(newSizeBefore_ - 1) && file.Read(last, 1);
  const std::string added = (last.empty() || last == "\n" ? "" : "\n") + bytes_;
  if (ok && file.SeekToEnd() && file.Write(added)) {
    new_ = std::move(opened.file);
    return true;
  }
  if (file.Seek(newSizeBefore_)) file.Truncate();
  opened.file.reset();
  if (newCreated_) platform_.files.Delete(newPath_);
  return false;
}

void MemoCarry::TakeBack() {
  if (!new_) return;
  if (new_->Seek(newSizeBefore_)) new_->Truncate();
  new_.reset();
  if (newCreated_) platform_.files.Delete(newPath_);
}

void MemoCarry::EmptyOld() {
  oldEmptied_ = old_ && old_->Seek(0) && old_->Truncate();
}

void MemoCarry::Finish() {
  new_.reset();
  if (!old_) return;
  old_.reset();
  if (!oldEmptied_) return;
  // Deleted only while it is still empty: a memo sent to the old code in
  // the moment since it was let go stays where its sender put it.
  std::unique_ptr<FileSearch> search = platform_.files.Find(oldPath_);
  FoundFile found;
  if (search->Next(found) && !found.isFolder && found.size == 0) platform_.files.Delete(oldPath_);
}

}  // namespace quorvel
