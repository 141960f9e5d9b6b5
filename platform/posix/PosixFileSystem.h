#pragma once
// Stand-in for the Windows file functions, so the store can be tested
// natively: share modes are non-blocking flock locks, "\" maps to "/".
#include "platform/FileSystem.h"

namespace quorvel {

class PosixFileSystem : public FileSystem {
 public:
  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override;
  bool Delete(const std::string& path) override;
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override;
  bool CreateFolder(const std::string& path) override;
  bool MoveOver(const std::string& from, const std::string& to) override;
};

std::string ToPosixPath(const std::string& path);

}  // namespace quorvel
