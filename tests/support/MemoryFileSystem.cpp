#include "tests/support/MemoryFileSystem.h"

#include <vector>

#include "platform/FileMask.h"

namespace quorvel::test {

namespace {

class MemoryFile : public File {
 public:
  MemoryFile(MemoryFileSystem& fs, std::string path, FileAccess access)
      : fs_(fs), path_(std::move(path)), access_(access) {}

  bool Read(std::string& out, std::size_t max) override {
    out.clear();
    if (access_ == FileAccess::Write) return false;
    const std::string& bytes = fs_.files[path_];
    if (at_ < bytes.size()) out = bytes.substr(at_, max);
    at_ += out.size();
    return true;
  }
  bool Write(const std::string& bytes) override {
    if (access_ == FileAccess::Read) return false;
    std::string& content = fs_.files[path_];
    if (content.size() < at_) content.resize(at_, '\0');
    content.replace(at_, bytes.size(), bytes);
    at_ += bytes.size();
    return true;
  }
  bool Size(std::uint64_t& size) override {
    size = fs_.files[path_].size();
    return true;
  }
  bool Seek(std::uint64_t offset) override {
    at_ = static_cast<std::size_t>(offset);
    return true;
  }
  bool SeekToEnd() override {
    at_ = fs_.files[path_].size();
    return true;
  }
  bool Truncate() override {
    if (access_ == FileAccess::Read) return false;
    fs_.files[path_].resize(at_, '\0');
    return true;
  }

 private:
  MemoryFileSystem& fs_;
  std::string path_;
  FileAccess access_;
  std::size_t at_ = 0;
};

class MemorySearch : public FileSearch {
 public:
  MemorySearch(std::vector<FoundFile> found, bool searched)
      : found_(std::move(found)), searched_(searched) {}
  bool Next(FoundFile& out) override {
    if (next_ >= found_.size()) return false;
    out = found_[next_++];
    return true;
  }
  bool FolderSearched() const override { return searched_; }

 private:
  std::vector<FoundFile> found_;
  bool searched_;
  std::size_t next_ = 0;
};

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NamePart(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

bool FolderOf(const std::set<std::string>& folders, const std::string& path) {
  const std::string folder = FolderPart(path);
  return folder.empty() || folders.count(folder) != 0;
}

}  // namespace

OpenResult MemoryFileSystem::Open(const std::string& path, FileAccess access, FileShare,
                                  FileDisposition disposition) {
  OpenResult result;
  if (folders.count(path) != 0) {
    result.error = FileError::Other;
    return result;
  }
  const bool exists = files.count(path) != 0;
  if (!FolderOf(folders, path) || (!exists && disposition == FileDisposition::OpenExisting)) {
    result.error = FileError::NotFound;
    return result;
  }
  if (!exists || disposition == FileDisposition::CreateAlways) files[path].clear();
  result.created = !exists;
  result.file = std::make_unique<MemoryFile>(*this, path, access);
  return result;
}

bool MemoryFileSystem::Delete(const std::string& path) { return files.erase(path) != 0; }

std::unique_ptr<FileSearch> MemoryFileSystem::Find(const std::string& pattern) {
  const std::string folder = FolderPart(pattern);
  const std::string mask = NamePart(pattern);
  std::vector<FoundFile> found;
  for (const auto& [path, bytes] : files) {
    if (FolderPart(path) == folder && FileMaskMatches(mask, NamePart(path)))
      found.push_back({NamePart(path), false, bytes.size()});
  }
  for (const std::string& path : folders) {
    if (FolderPart(path) == folder && FileMaskMatches(mask, NamePart(path)))
      found.push_back({NamePart(path), true, 0});
  }
  return std::make_unique<MemorySearch>(std::move(found), FolderOf(folders, pattern));
}

bool MemoryFileSystem::CreateFolder(const std::string& path) {
  if (!FolderOf(folders, path) || files.count(path) != 0) return false;
  return folders.insert(path).second;
}

bool MemoryFileSystem::MoveOver(const std::string& from, const std::string& to) {
  if (files.count(from) == 0 || folders.count(to) != 0 || !FolderOf(folders, to)) return false;
  files[to] = files[from];
  files.erase(from);
  return true;
}

}  // namespace quorvel::test
