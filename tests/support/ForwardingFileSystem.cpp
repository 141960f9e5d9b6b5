#include "tests/support/ForwardingFileSystem.h"

namespace quorvel::test {

namespace {

// A call on its way to the inner file system, between the hooks.
template <typename F>
bool Hooked(ForwardingFileSystem& files, FileCall call, F f) {
  if (!files.Enter(call)) return false;
  const bool ok = f();
  files.Leave(call);
  return ok;
}

class ForwardingSearch : public FileSearch {
 public:
  ForwardingSearch(std::unique_ptr<FileSearch> inner, ForwardingFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}
  bool Next(FoundFile& out) override {
    return Hooked(files_, FileCall::Next, [&] { return inner_->Next(out); });
  }
  bool FolderSearched() const override { return inner_->FolderSearched(); }

 private:
  std::unique_ptr<FileSearch> inner_;
  ForwardingFileSystem& files_;
};

// What a search that failed before it began finds.
class NoSearch : public FileSearch {
 public:
  bool Next(FoundFile&) override { return false; }
  bool FolderSearched() const override { return false; }
};

}  // namespace

const char* NameOf(FileCall call) {
  static const char* const names[] = {"Open",  "Delete", "Find", "CreateFolder", "MoveOver",
                                      "Read",  "Write",  "Size", "Seek",         "SeekToEnd",
                                      "Truncate", "Close", "Next"};
  return names[static_cast<int>(call)];
}

bool ForwardingFile::Read(std::string& out, std::size_t max) {
  return Hooked(files_, FileCall::Read, [&] { return inner_->Read(out, max); });
}
bool ForwardingFile::Write(const std::string& bytes) {
  return Hooked(files_, FileCall::Write, [&] { return inner_->Write(bytes); });
}
bool ForwardingFile::Size(std::uint64_t& size) {
  return Hooked(files_, FileCall::Size, [&] { return inner_->Size(size); });
}
bool ForwardingFile::Seek(std::uint64_t offset) {
  return Hooked(files_, FileCall::Seek, [&] { return inner_->Seek(offset); });
}
bool ForwardingFile::SeekToEnd() {
  return Hooked(files_, FileCall::SeekToEnd, [&] { return inner_->SeekToEnd(); });
}
bool ForwardingFile::Truncate() {
  return Hooked(files_, FileCall::Truncate, [&] { return inner_->Truncate(); });
}

void ForwardingFile::Close() {
  if (!inner_) return;
  files_.Enter(FileCall::Close);
  inner_.reset();
  files_.Leave(FileCall::Close);
}

OpenResult ForwardingFileSystem::Open(const std::string& path, FileAccess access, FileShare share,
                                      FileDisposition disposition) {
  OpenResult result;
  if (!Enter(FileCall::Open)) {
    result.error = FileError::Other;
    return result;
  }
  result = inner_.Open(path, access, share, disposition);
  if (result.file) result.file = std::make_unique<ForwardingFile>(std::move(result.file), *this);
  Leave(FileCall::Open);
  return result;
}

bool ForwardingFileSystem::Delete(const std::string& path) {
  return Hooked(*this, FileCall::Delete, [&] { return inner_.Delete(path); });
}

std::unique_ptr<FileSearch> ForwardingFileSystem::Find(const std::string& pattern) {
  if (!Enter(FileCall::Find)) return std::make_unique<NoSearch>();
  std::unique_ptr<FileSearch> search = std::make_unique<ForwardingSearch>(inner_.Find(pattern), *this);
  Leave(FileCall::Find);
  return search;
}

bool ForwardingFileSystem::CreateFolder(const std::string& path) {
  return Hooked(*this, FileCall::CreateFolder, [&] { return inner_.CreateFolder(path); });
}

bool ForwardingFileSystem::MoveOver(const std::string& from, const std::string& to) {
  return Hooked(*this, FileCall::MoveOver, [&] { return inner_.MoveOver(from, to); });
}

}  // namespace quorvel::test
