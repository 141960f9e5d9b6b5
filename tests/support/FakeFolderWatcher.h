#pragma once
// Starts no thread: keeps the folder watched now ("" when none) and how
// many watches were started. A test reports a change by calling the
// window's OnFolderChanged itself.
#include <memory>
#include <string>

#include "platform/FolderWatcher.h"

namespace quorvel::test {

class FakeFolderWatcher : public FolderWatcher {
 public:
  std::unique_ptr<FolderWatch> Watch(const std::string& folder, FolderWatch::Changed) override {
    ++started;
    *watched_ = folder;
    return std::make_unique<Watching>(watched_, folder);
  }
  const std::string& Watched() const { return *watched_; }

  int started = 0;

 private:
  class Watching : public FolderWatch {
   public:
    Watching(std::shared_ptr<std::string> watched, std::string folder)
        : watched_(std::move(watched)), folder_(std::move(folder)) {}
    ~Watching() override {
      if (*watched_ == folder_) watched_->clear();
    }
    bool Notifies() const override { return true; }

   private:
    std::shared_ptr<std::string> watched_;  // a window may outlive the desk
    std::string folder_;
  };

  std::shared_ptr<std::string> watched_ = std::make_shared<std::string>();
};

}  // namespace quorvel::test
