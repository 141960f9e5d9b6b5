#pragma once
// A file system behind a slow line: each call that would cross the network
// waits before it reaches the inner file system. Those are an open, every
// call on an open file and its close, and the start of a search (its
// further matches arrive with the first answer, as a share sends a whole
// listing). Safe from several threads when the inner file system and the
// delay are.
#include <chrono>
#include <functional>

#include "tests/support/ForwardingFileSystem.h"

namespace quorvel::test {

class SlowFileSystem : public ForwardingFileSystem {
 public:
  using Delay = std::function<std::chrono::microseconds()>;
  SlowFileSystem(FileSystem& inner, Delay delay)
      : ForwardingFileSystem(inner), delay_(std::move(delay)) {}

  bool Enter(FileCall call) override;

 private:
  Delay delay_;
};

}  // namespace quorvel::test
