#pragma once

namespace quorvel {

class Dialog;

// Runs dialogs modally and returns their results.
class DialogRunner {
 public:
  virtual ~DialogRunner() = default;
  // A child of the dialog that is running now.
  virtual int Run(Dialog& dialog) = 0;
  // A window of its own, owned by nobody: a main window, which the taskbar
  // shows and which outlives nothing.
  virtual int RunUnowned(Dialog& dialog) = 0;
};

}  // namespace quorvel
