#pragma once
// Messages of a program without windows: each on a line of standard error.
// A question is never asked here, so it is answered No.
#include <string>

#include "cli/TextOut.h"
#include "platform/Prompt.h"

namespace quorvel {

class ConsolePrompt : public Prompt {
 public:
  explicit ConsolePrompt(TextOut& err) : err_(err) {}
  void Alert(const std::string& text) override { err_.Write(text + '\n'); }
  bool AskYesNo(const std::string& text) override {
    err_.Write(text + '\n');
    return false;
  }

 private:
  TextOut& err_;
};

}  // namespace quorvel
