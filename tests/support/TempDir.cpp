#include "tests/support/TempDir.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quorvel::test {

namespace {
std::atomic<int> counter{0};
}

std::string NativePath(const std::string& path) {
#ifdef _WIN32
  return path;
#else
  std::string out = path;
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
#endif
}

TempDir::TempDir() {
#ifdef _WIN32
  char base[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, base);
  std::string root = base;
  if (!root.empty() && root.back() == '\\') root.pop_back();
  for (;;) {
    path_ = root + "\\qvt" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(counter++);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp folder");
  }
#else
  char tmpl[] = "/tmp/qvtXXXXXX";
  if (::mkdtemp(tmpl) == nullptr) throw std::runtime_error("no temp folder");
  path_ = tmpl;
#endif
}

TempDir::~TempDir() {
  // Through the form that reaches any name: on a plain path the removal
  // loops for ever on a file named like a device.
  const std::string root = AnyNamePath(NativePath(path_));
  std::error_code ec;
  for (auto& entry : std::filesystem::recursive_directory_iterator(root, ec))
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(root, ec);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(NativePath(path).c_str(), "wb");
  if (f == nullptr) throw std::runtime_error("cannot write " + path);
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string AnyNamePath(const std::string& path) {
#ifdef _WIN32
  // The "\\?\" form of a full path is not looked at for device names.
  return "\\\\?\\" + path;
#else
  return path;
#endif
}

std::string ReadFileBytes(const std::string& path) {
  FILE* f = std::fopen(NativePath(path).c_str(), "rb");
  if (f == nullptr) return std::string();
  std::string out;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  std::fclose(f);
  return out;
}

bool PathExists(const std::string& path) {
  struct stat st;
  return ::stat(NativePath(path).c_str(), &st) == 0;
}

void MakeFolder(const std::string& path) {
#ifdef _WIN32
  if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot make " + path);
#else
  if (::mkdir(NativePath(path).c_str(), 0777) != 0) throw std::runtime_error("cannot make " + path);
#endif
}

void RemoveFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove_all(NativePath(path), ec);
  if (ec) throw std::runtime_error("cannot remove " + path);
}

void SetReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
  SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  ::chmod(NativePath(path).c_str(), readOnly ? 0444 : 0644);
#endif
}

}  // namespace quorvel::test
