#pragma once
// Another desk at work on the same share, at chosen moments of an
// operation: opens of a path refused for a sharing violation a number of
// times (a desk that holds the file, then lets go), and something done once
// the operation's first open of a path is closed (a desk that slips in
// between a read and a write).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/FileSystem.h"

namespace quorvel::test {

class InterferingFileSystem : public FileSystem {
 public:
  explicit InterferingFileSystem(FileSystem& inner) : inner_(inner) {}

  std::map<std::string, int> heldFor;  // path: opens refused before it is let go
  std::map<std::string, std::function<void()>> afterFirstClose;  // path: run once
  std::map<std::string, int> opens;    // path: opens asked for

  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override {
    ++opens[path];
    auto held = heldFor.find(path);
    if (held != heldFor.end() && held->second > 0) {
      --held->second;
      OpenResult refused;
      refused.error = FileError::SharingViolation;
      return refused;
    }
    OpenResult r = inner_.Open(path, access, share, disposition);
    auto then = afterFirstClose.find(path);
    if (r.file && then != afterFirstClose.end()) {
      r.file = std::make_unique<Closing>(std::move(r.file), std::move(then->second));
      afterFirstClose.erase(then);
    }
    return r;
  }
  bool Delete(const std::string& path) override { return inner_.Delete(path); }
  std::unique_ptr<FileSearch> Find(const std::string& pattern) override {
    return inner_.Find(pattern);
  }
  bool CreateFolder(const std::string& path) override { return inner_.CreateFolder(path); }
  bool MoveOver(const std::string& from, const std::string& to) override {
    return inner_.MoveOver(from, to);
  }

 private:
  class Closing : public File {
   public:
    Closing(std::unique_ptr<File> inner, std::function<void()> then)
        : inner_(std::move(inner)), then_(std::move(then)) {}
    ~Closing() override {
      inner_.reset();
      then_();
    }
    bool Read(std::string& out, std::size_t max) override { return inner_->Read(out, max); }
    bool Write(const std::string& bytes) override { return inner_->Write(bytes); }
    bool Size(std::uint64_t& size) override { return inner_->Size(size); }
    bool Seek(std::uint64_t offset) override { return inner_->Seek(offset); }
    bool SeekToEnd() override { return inner_->SeekToEnd(); }
    bool Truncate() override { return inner_->Truncate(); }

   private:
    std::unique_ptr<File> inner_;
    std::function<void()> then_;
  };

  FileSystem& inner_;
};

}  // namespace quorvel::test
