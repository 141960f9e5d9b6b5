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

#include "tests/support/ForwardingFileSystem.h"

namespace quorvel::test {

class InterferingFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

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
    OpenResult r = ForwardingFileSystem::Open(path, access, share, disposition);
    auto then = afterFirstClose.find(path);
    if (r.file && then != afterFirstClose.end()) {
      r.file = std::make_unique<Closing>(std::move(r.file), *this, std::move(then->second));
      afterFirstClose.erase(then);
    }
    return r;
  }

 private:
  class Closing : public ForwardingFile {
   public:
    Closing(std::unique_ptr<File> inner, ForwardingFileSystem& files, std::function<void()> then)
        : ForwardingFile(std::move(inner), files), then_(std::move(then)) {}
    ~Closing() override {
      Close();
      then_();
    }

   private:
    std::function<void()> then_;
  };
};

}  // namespace quorvel::test
