#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileMask.h"

namespace quorvel {

namespace {

class PosixFile : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }  // also drops the lock

  bool Read(std::string& out, std::size_t max) override {
    out.clear();
    out.resize(max);
    std::size_t got = 0;
    while (got < max) {
      const ssize_t n = ::read(fd_, &out[got], max - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return true;
  }

  bool Write(const std::string& bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

  bool Size(std::uint64_t& size) override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return false;
    size = static_cast<std::uint64_t>(st.st_size);
    return true;
  }

  bool Seek(std::uint64_t offset) override {
    return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0;
  }
  bool SeekToEnd() override { return ::lseek(fd_, 0, SEEK_END) >= 0; }
  bool Truncate() override {
    const off_t at = ::lseek(fd_, 0, SEEK_CUR);
    return at >= 0 && ::ftruncate(fd_, at) == 0;
  }

 private:
  int fd_;
};

class PosixSearch : public FileSearch {
 public:
  PosixSearch(std::string folder, std::string mask)
      : folder_(std::move(folder)), mask_(std::move(mask)),
        dir_(::opendir(folder_.empty() ? "." : folder_.c_str())) {}
  ~PosixSearch() override {
    if (dir_ != nullptr) ::closedir(dir_);
  }

  bool Next(FoundFile& out) override {
    if (dir_ == nullptr) return false;
    while (const dirent* entry = ::readdir(dir_)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      if (!FileMaskMatches(mask_, name)) continue;
      // Relative to the open folder: no second walk of the whole path per
      // entry, which would cost a load as much as reading the file.
      struct stat st;
      if (::fstatat(::dirfd(dir_), entry->d_name, &st, 0) != 0) continue;
      // A pipe, socket or device is no file of the share's.
      if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode)) continue;
      out.name = name;
      out.isFolder = S_ISDIR(st.st_mode);
      out.size = out.isFolder ? 0 : static_cast<std::uint64_t>(st.st_size);
      return true;
    }
    return false;
  }

  bool FolderSearched() const override { return dir_ != nullptr; }

 private:
  std::string folder_;
  std::string mask_;
  DIR* dir_;
};

bool IsRegularFile(int fd) {
  struct stat st;
  return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::string ToPosixPath(const std::string& path) {
  std::string out = path;
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

OpenResult PosixFileSystem::Open(const std::string& path, FileAccess access, FileShare share,
                                 FileDisposition disposition) {
  const std::string p = ToPosixPath(path);
  int flags = access == FileAccess::Read ? O_RDONLY
              : access == FileAccess::Write ? O_WRONLY
                                            : O_RDWR;
  // Never O_TRUNC here: the content may only go once the lock is held.
  if (disposition != FileDisposition::OpenExisting) flags |= O_CREAT;
  OpenResult result;
  struct stat st;
  const bool existed = ::stat(p.c_str(), &st) == 0;
  if (existed) {
    // Only a regular file is a file; a read-only one cannot be written,
    // even by root, which Windows never lets past the attribute.
    if (!S_ISREG(st.st_mode) || (access != FileAccess::Read && (st.st_mode & S_IWUSR) == 0)) {
      result.error = FileError::Other;
      return result;
    }
  }
  // Non-blocking, so that a pipe put in its place meanwhile cannot hold the
  // open until a writer comes; it is refused just after.
  const int fd = ::open(p.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) {
    result.error = (errno == ENOENT || errno == ENOTDIR) ? FileError::NotFound : FileError::Other;
    return result;
  }
  if (!IsRegularFile(fd)) {
    ::close(fd);
    result.error = FileError::Other;
    return result;
  }
  const int lock = share == FileShare::None || access != FileAccess::Read ? LOCK_EX : LOCK_SH;
  if (::flock(fd, lock | LOCK_NB) != 0) {
    const int err = errno;
    ::close(fd);
    result.error = err == EWOULDBLOCK ? FileError::SharingViolation : FileError::Other;
    return result;
  }
  if (disposition == FileDisposition::CreateAlways && ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    result.error = FileError::Other;
    return result;
  }
  result.created = !existed && disposition != FileDisposition::OpenExisting;
  result.file = std::make_unique<PosixFile>(fd);
  return result;
}

bool PosixFileSystem::Delete(const std::string& path) {
  const std::string p = ToPosixPath(path);
  struct stat st;
  if (::stat(p.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  // Windows refuses to delete a read-only file or one that is open; the
  // stand-in refuses the first and a file somebody holds locked.
  if ((st.st_mode & S_IWUSR) == 0) return false;
  const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd >= 0) {
    // Only a file that nobody holds goes, as on Windows.
    const bool deleted = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(p.c_str()) == 0;
    ::close(fd);
    return deleted;
  }
  return ::unlink(p.c_str()) == 0;
}

std::unique_ptr<FileSearch> PosixFileSystem::Find(const std::string& pattern) {
  const std::string p = ToPosixPath(pattern);
  const std::size_t slash = p.rfind('/');
  if (slash == std::string::npos) return std::make_unique<PosixSearch>("", p);
  return std::make_unique<PosixSearch>(slash == 0 ? "/" : p.substr(0, slash), p.substr(slash + 1));
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
  return ::mkdir(ToPosixPath(path).c_str(), 0777) == 0;
}

bool PosixFileSystem::MoveOver(const std::string& from, const std::string& to) {
  const std::string source = ToPosixPath(from), target = ToPosixPath(to);
  struct stat st;
  if (::stat(source.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  if (::stat(target.c_str(), &st) != 0) return ::rename(source.c_str(), target.c_str()) == 0;
  // Windows refuses to replace a folder, a read-only file or one that is
  // open; the stand-in refuses the first two and a file somebody holds.
  if (S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0) return false;
  const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  const bool moved = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::rename(source.c_str(), target.c_str()) == 0;
  ::close(fd);
  return moved;
}

}  // namespace quorvel
