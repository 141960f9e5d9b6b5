#pragma once
#include "platform/FileSystem.h"

namespace quorvel {

// CreateFileA with share modes, FindFirstFileA, CreateDirectoryA, DeleteFileA,
// MoveFileExA.
class Win32FileSystem : public FileSystem {
 public:
  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override;
  bool Delete(const std::string& path) override;
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override;
  bool CreateFolder(const std::string& path) override;
  bool MoveOver(const std::string& from, const std::string& to) override;
};

}  // namespace quorvel
