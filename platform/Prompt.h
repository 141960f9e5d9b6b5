#pragma once
#include <string>

namespace quorvel {

// Message boxes under the application's caption with the exclamation icon.
class Prompt {
 public:
  virtual ~Prompt() = default;
  virtual void Alert(const std::string& text) = 0;     // OK button
  virtual bool AskYesNo(const std::string& text) = 0;  // true for Yes
};

}  // namespace quorvel
