#pragma once
#include <string>

namespace quorvel::test {

// A fresh folder for one test, removed with everything in it afterwards.
// Paths use "\" like the program's own; the helpers below map it natively.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

std::string NativePath(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The path in the form that reaches a file of any name, as a client of the
// share that is not Windows may make one: also "AUX.sta", which Windows
// itself would otherwise take for a device.
std::string AnyNamePath(const std::string& path);
std::string ReadFileBytes(const std::string& path);  // empty when missing
bool PathExists(const std::string& path);
void MakeFolder(const std::string& path);
void RemoveFolder(const std::string& path);  // with everything in it
void SetReadOnly(const std::string& path, bool readOnly);

}  // namespace quorvel::test
