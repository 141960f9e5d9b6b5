#pragma once
#include "platform/FileSystem.h"

namespace quorvel {

// CreateFileA with share modes, FindFirstFileA, CreateDirectoryA, DeleteFileA.
class Win32FileSystem : public FileSystem {
 public:
  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override;
  bool Delete(const std::string& path) override;
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override;
  bool CreateFolder(const std::string& path) override;
};

}  // namespace quorvel
