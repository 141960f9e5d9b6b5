#pragma once
// A file system behind a slow line: each call that would cross the network
// waits before it reaches the inner file system. Those are an open, every
// call on an open file and its close, and the start of a search (its
// further matches arrive with the first answer, as a share sends a whole
// listing). Safe from several threads when the inner file system and the
// delay are.
#include <chrono>
#include <functional>

#include "platform/FileSystem.h"

namespace quorvel::test {

class SlowFileSystem : public FileSystem {
 public:
  using Delay = std::function<std::chrono::microseconds()>;
  SlowFileSystem(FileSystem& inner, Delay delay) : inner_(inner), delay_(std::move(delay)) {}

  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override;
  bool Delete(const std::string& path) override;
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override;
  bool CreateFolder(const std::string& path) override;
  bool MoveOver(const std::string& from, const std::string& to) override;

  void Wait() const;  // one call's delay

 private:
  FileSystem& inner_;
  Delay delay_;
};

}  // namespace quorvel::test
