#pragma once
// The file operations the store needs, with Windows share-mode semantics.
// Paths use "\" as separator on every platform; the POSIX stand-in maps it.
#include <cstdint>
#include <memory>
#include <string>

namespace quorvel {

enum class FileAccess { Read, Write, ReadWrite };

// What other processes may do while the file is open.
enum class FileShare {
  None,  // nobody else may open it
  Read,  // others may read; writers are shut out
};

enum class FileDisposition {
  OpenExisting,  // fail when missing
  OpenAlways,    // create when missing, keep content
  CreateAlways,  // create or cut to zero length
};

enum class FileError { None, NotFound, SharingViolation, Other };

class File {
 public:
  virtual ~File() = default;  // closes the file
  // Reads up to `max` bytes from the current position; false on an I/O error.
  virtual bool Read(std::string& out, std::size_t max) = 0;
  virtual bool Write(const std::string& bytes) = 0;
  virtual bool Size(std::uint64_t& size) = 0;
  virtual bool Seek(std::uint64_t offset) = 0;
  virtual bool SeekToEnd() = 0;
  // Makes the current position the end of the file.
  virtual bool Truncate() = 0;
};

struct OpenResult {
  std::unique_ptr<File> file;  // null when the open failed
  FileError error = FileError::None;
  bool created = false;  // the open made the file, which did not exist before
};

struct FoundFile {
  std::string name;  // file name only, as the file system spells it
  bool isFolder = false;
  std::uint64_t size = 0;
};

// One directory search; the search is closed when the object goes.
class FileSearch {
 public:
  virtual ~FileSearch() = default;
  virtual bool Next(FoundFile& out) = 0;
  // False when the folder itself could not be searched (missing, not a
  // folder, out of reach, a path too long), as against one without a match.
  virtual bool FolderSearched() const = 0;
};

// Called from several threads at once (a load reads its files concurrently);
// each File and FileSearch is used by one thread at a time.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                          FileDisposition disposition) = 0;
  virtual bool Delete(const std::string& path) = 0;
  // pattern: a folder, "\", then a mask with "*" and "?". Yields matches in
  // the order the file system returns them; never null.
  virtual std::unique_ptr<FileSearch> Find(const std::string& pattern) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  // Moves the file `from` over `to` in one step, replacing `to` when it
  // exists: a reader finds the old file or the new one, never a mix. Refused
  // (both left as they were) when `to` is a folder, read-only or open.
  virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
};

}  // namespace quorvel
