#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include "platform/FileMask.h"

namespace quorvel {

namespace {

class Win32File : public File {
 public:
  explicit Win32File(HANDLE h) : h_(h) {}
  ~Win32File() override { CloseHandle(h_); }

  bool Read(std::string& out, std::size_t max) override {
    out.assign(max, '\0');
    std::size_t got = 0;
    while (got < max) {
      const DWORD chunk = static_cast<DWORD>(max - got > 0x10000000 ? 0x10000000 : max - got);
      DWORD n = 0;
      if (!ReadFile(h_, &out[got], chunk, &n, nullptr)) return false;
      if (n == 0) break;
      got += n;
    }
    out.resize(got);
    return true;
  }

  bool Write(const std::string& bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD n = 0;
      const std::size_t left = bytes.size() - done;
      const DWORD chunk = static_cast<DWORD>(left > 0x10000000 ? 0x10000000 : left);
      if (!WriteFile(h_, bytes.data() + done, chunk, &n, nullptr) || n == 0) return false;
      done += n;
    }
    return true;
  }

  bool Size(std::uint64_t& size) override {
    LARGE_INTEGER li;
    if (!GetFileSizeEx(h_, &li)) return false;
    size = static_cast<std::uint64_t>(li.QuadPart);
    return true;
  }

  bool Seek(std::uint64_t offset) override {
    LARGE_INTEGER li;
    li.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(h_, li, nullptr, FILE_BEGIN) != 0;
  }
  bool SeekToEnd() override {
    LARGE_INTEGER zero{};
    return SetFilePointerEx(h_, zero, nullptr, FILE_END) != 0;
  }
  bool Truncate() override { return SetEndOfFile(h_) != 0; }

 private:
  HANDLE h_;
};

class Win32Search : public FileSearch {
 public:
  explicit Win32Search(const std::string& pattern)
      : mask_(pattern.substr(pattern.find_last_of("\\/:") + 1)),
        h_(FindFirstFileA(pattern.c_str(), &data_)),
        first_(h_ != INVALID_HANDLE_VALUE),
        // No match at all still means the folder was searched.
        searched_(first_ || GetLastError() == ERROR_FILE_NOT_FOUND) {}
  ~Win32Search() override {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }

  bool Next(FoundFile& out) override {
    if (h_ == INVALID_HANDLE_VALUE) return false;
    for (;;) {
      if (!first_ && !FindNextFileA(h_, &data_)) return false;
      first_ = false;
      const std::string name = data_.cFileName;
      if (name == "." || name == "..") continue;
      if (!FileMaskMatches(mask_, name)) continue;  // a match by the short name
      out.name = name;
      out.isFolder = (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      out.size = (static_cast<std::uint64_t>(data_.nFileSizeHigh) << 32) | data_.nFileSizeLow;
      return true;
    }
  }

  bool FolderSearched() const override { return searched_; }

 private:
  std::string mask_;
  WIN32_FIND_DATAA data_{};
  HANDLE h_;
  bool first_;
  bool searched_;
};

}  // namespace

OpenResult Win32FileSystem::Open(const std::string& path, FileAccess access, FileShare share,
                                 FileDisposition disposition) {
  const DWORD desired = access == FileAccess::Read    ? GENERIC_READ
                        : access == FileAccess::Write ? GENERIC_WRITE
                                                      : GENERIC_READ | GENERIC_WRITE;
  const DWORD shareMode = share == FileShare::Read ? FILE_SHARE_READ : 0;
  const DWORD creation = disposition == FileDisposition::OpenExisting ? OPEN_EXISTING
                         : disposition == FileDisposition::OpenAlways ? OPEN_ALWAYS
                                                                      : CREATE_ALWAYS;
  OpenResult result;
  // Windows refuses to write a read-only file; Wine running as root does
  // not, so the attribute is checked here as well.
  if (access != FileAccess::Read) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      result.error = FileError::Other;
      return result;
    }
  }
  const HANDLE h = CreateFileA(path.c_str(), desired, shareMode, nullptr, creation,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD err = GetLastError();
    result.error = err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION
                       ? FileError::SharingViolation
                   : err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND
                       ? FileError::NotFound
                       : FileError::Other;
    return result;
  }
  result.created = creation != OPEN_EXISTING && GetLastError() != ERROR_ALREADY_EXISTS;
  result.file = std::make_unique<Win32File>(h);
  return result;
}

bool Win32FileSystem::Delete(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::unique_ptr<FileSearch> Win32FileSystem::Find(const std::string& pattern) {
  return std::make_unique<Win32Search>(pattern);
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32FileSystem::MoveOver(const std::string& from, const std::string& to) {
  // As with opening for writing, Wine running as root would replace a
  // read-only file that Windows refuses to.
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
    return false;
  // Write-through: the call returns only once the move is on the disk.
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace quorvel
