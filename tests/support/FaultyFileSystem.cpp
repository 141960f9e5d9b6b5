#include "tests/support/FaultyFileSystem.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvel::test {

namespace {

class FaultyFile : public File {
 public:
  FaultyFile(std::unique_ptr<File> inner, FaultyFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}

  bool Read(std::string& out, std::size_t max) override {
    return Call("Read", [&] { return inner_->Read(out, max); });
  }
  bool Write(const std::string& bytes) override {
    return Call("Write", [&] { return inner_->Write(bytes); });
  }
  bool Size(std::uint64_t& size) override {
    return Call("Size", [&] { return inner_->Size(size); });
  }
  bool Seek(std::uint64_t offset) override {
    return Call("Seek", [&] { return inner_->Seek(offset); });
  }
  bool SeekToEnd() override {
    return Call("SeekToEnd", [&] { return inner_->SeekToEnd(); });
  }
  bool Truncate() override {
    return Call("Truncate", [&] { return inner_->Truncate(); });
  }

 private:
  template <typename F>
  bool Call(const char* what, F f) {
    if (files_.Fails(what)) return false;
    const bool ok = f();
    files_.Done();
    return ok;
  }

  std::unique_ptr<File> inner_;
  FaultyFileSystem& files_;
};

class FaultySearch : public FileSearch {
 public:
  FaultySearch(std::unique_ptr<FileSearch> inner, FaultyFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}
  bool Next(FoundFile& out) override {
    if (files_.Fails("Next")) return false;
    const bool found = inner_->Next(out);
    files_.Done();
    return found;
  }
  bool FolderSearched() const override { return inner_->FolderSearched(); }

 private:
  std::unique_ptr<FileSearch> inner_;
  FaultyFileSystem& files_;
};

// An empty search, for a Find that fails.
class NoSearch : public FileSearch {
 public:
  bool Next(FoundFile&) override { return false; }
  bool FolderSearched() const override { return false; }
};

}  // namespace

bool FaultyFileSystem::Fails(const char* what) {
  ++calls;
  log.push_back(what);
  return calls == failAt;
}

void FaultyFileSystem::Done() const {
  if (endAfter == 0 || calls < endAfter) return;
#ifdef _WIN32
  TerminateProcess(GetCurrentProcess(), kEndedByFault);
#endif
  std::_Exit(kEndedByFault);
}

OpenResult FaultyFileSystem::Open(const std::string& path, FileAccess access, FileShare share,
                                  FileDisposition disposition) {
  OpenResult result;
  if (Fails("Open")) {
    result.error = FileError::Other;
    return result;
  }
  result = inner_.Open(path, access, share, disposition);
  if (result.file) result.file = std::make_unique<FaultyFile>(std::move(result.file), *this);
  Done();
  return result;
}

bool FaultyFileSystem::Delete(const std::string& path) {
  if (Fails("Delete")) return false;
  const bool ok = inner_.Delete(path);
  Done();
  return ok;
}

std::unique_ptr<FileSearch> FaultyFileSystem::Find(const std::string& pattern) {
  if (Fails("Find")) return std::make_unique<NoSearch>();
  std::unique_ptr<FileSearch> search = std::make_unique<FaultySearch>(inner_.Find(pattern), *this);
  Done();
  return search;
}

bool FaultyFileSystem::CreateFolder(const std::string& path) {
  if (Fails("CreateFolder")) return false;
  const bool ok = inner_.CreateFolder(path);
  Done();
  return ok;
}

bool FaultyFileSystem::MoveOver(const std::string& from, const std::string& to) {
  if (Fails("MoveOver")) return false;
  const bool ok = inner_.MoveOver(from, to);
  Done();
  return ok;
}

}  // namespace quorvel::test
