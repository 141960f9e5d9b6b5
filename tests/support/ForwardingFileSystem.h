#pragma once
// A file system that hands every call on to another, for test file systems
// that watch, slow down or break some of the calls: they override a hook
// or a call, not every call. The files and searches it opens forward too,
// through the same hooks.
#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace quorvel::test {

enum class FileCall {
  Open, Delete, Find, CreateFolder, MoveOver,          // on the file system
  Read, Write, Size, Seek, SeekToEnd, Truncate, Close,  // on an open file
  Next,                                                 // a step of a search
};
const char* NameOf(FileCall call);

class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override;
  bool Delete(const std::string& path) override;
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override;
  bool CreateFolder(const std::string& path) override;
  bool MoveOver(const std::string& from, const std::string& to) override;

  // Before a call reaches the inner file system, from whichever thread
  // makes it; false fails the call there (a close cannot fail: it goes on).
  virtual bool Enter(FileCall) { return true; }
  // Once the inner file system has answered a call that entered.
  virtual void Leave(FileCall) {}

 private:
  FileSystem& inner_;
};

// An open file that forwards to another, through its file system's hooks.
class ForwardingFile : public File {
 public:
  ForwardingFile(std::unique_ptr<File> inner, ForwardingFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}
  ~ForwardingFile() override { Close(); }

  bool Read(std::string& out, std::size_t max) override;
  bool Write(const std::string& bytes) override;
  bool Size(std::uint64_t& size) override;
  bool Seek(std::uint64_t offset) override;
  bool SeekToEnd() override;
  bool Truncate() override;

 protected:
  // Closes the inner file; a later call does nothing.
  void Close();

 private:
  std::unique_ptr<File> inner_;
  ForwardingFileSystem& files_;
};

}  // namespace quorvel::test
