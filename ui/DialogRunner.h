#pragma once

namespace quorvel {

class Dialog;

// Runs a child dialog modally over the dialog that is running now.
class DialogRunner {
 public:
  virtual ~DialogRunner() = default;
  virtual int Run(Dialog& dialog) = 0;
};

}  // namespace quorvel
