#pragma once
// Files and folders held in memory, for the fuzz targets: paths are taken
// exactly as given ("\" separated, case kept). Share modes are not
// modelled, and it is not safe to call from several threads.
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace quorvel::test {

class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;  // path: bytes
  std::set<std::string> folders;             // a path's folder must be here

  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override;
  bool Delete(const std::string& path) override;
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override;
  bool CreateFolder(const std::string& path) override;
  bool MoveOver(const std::string& from, const std::string& to) override;
};

}  // namespace quorvel::test
