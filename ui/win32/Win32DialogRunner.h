#pragma once
// The Win32 host: runs Dialog objects modally on the program's dialog
// templates. No windows.h here, so start-up and tests include it freely.
#include <vector>

#include "platform/Prompt.h"
#include "ui/DialogRunner.h"

namespace quorvel {

class Dialog;

class Win32DialogRunner : public DialogRunner {
 public:
  // Failures that escape a dialog's handlers (exceptions) are reported
  // through `errors`; without one, in a message box of their own.
  Win32DialogRunner() = default;
  explicit Win32DialogRunner(Prompt& errors) : errors_(&errors) {}

  // A child of the dialog that this runner is running now (none when none
  // runs): DialogBoxParamA on dialog.TemplateId() from the program's own
  // resources. Returns the dialog's end result, or -1 when the window could
  // not be made.
  int Run(Dialog& dialog) override;
  // The same without an owner: a main window.
  int RunUnowned(Dialog& dialog) override;

  // The window of the innermost dialog running now (an HWND), or null.
  void* CurrentWindow() const;

  struct Session;  // one running dialog; lives on Run's stack

 private:
  int RunWith(Dialog& dialog, void* owner);
  friend struct SessionAccess;

  Prompt* errors_ = nullptr;
  std::vector<Session*> running_;
};

}  // namespace quorvel
