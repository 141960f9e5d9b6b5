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

// For work nobody asked for at that moment (a refresh by itself): nothing
// is shown, and a question is answered No.
class SilentPrompt : public Prompt {
 public:
  void Alert(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

}  // namespace quorvel
