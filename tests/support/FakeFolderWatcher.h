#pragma once
// Starts no thread: keeps which folders are watched now, and how many
// watches were started. A test reports a change by calling the window's
// OnFolderChanged itself.
#include <memory>
#include <string>
#include <vector>

#include "platform/FolderWatcher.h"

namespace quorvel::test {

class FakeFolderWatcher : public FolderWatcher {
 public:
  std::unique_ptr<FolderWatch> Watch(const std::string& folder, FolderWatch::Changed) override {
    ++started;
    return std::make_unique<Watching>(live_, folder);
  }

  // The one folder watched now; "" when none is.
  std::string Watched() const {
    if (live_->size() > 1) return "(" + std::to_string(live_->size()) + " folders)";
    return live_->empty() ? "" : live_->front();
  }

  int started = 0;

 private:
  using Live = std::vector<std::string>;
  class Watching : public FolderWatch {
   public:
    Watching(std::shared_ptr<Live> live, std::string folder)
        : live_(std::move(live)), folder_(std::move(folder)) {
      live_->push_back(folder_);
    }
    ~Watching() override {
      for (auto it = live_->begin(); it != live_->end(); ++it)
        if (*it == folder_) {
          live_->erase(it);
          break;
        }
    }
    bool Notifies() const override { return true; }

   private:
    std::shared_ptr<Live> live_;
    std::string folder_;
  };

  // Shared with the watches, which a window may keep after the desk's test.
  std::shared_ptr<Live> live_ = std::make_shared<Live>();
};

}  // namespace quorvel::test
