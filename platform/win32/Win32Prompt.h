#pragma once
#include <string>

#include "platform/Prompt.h"

namespace quorvel {

// MessageBoxA under the application's name, owned by the thread's active
// window so that the box is modal to the dialog that shows it.
class Win32Prompt : public Prompt {
 public:
  explicit Win32Prompt(std::string caption);
  void Alert(const std::string& text) override;     // MB_OK
  bool AskYesNo(const std::string& text) override;  // MB_YESNO; true for IDYES

 private:
  std::string caption_;
};

}  // namespace quorvel
