#pragma once
// Messages of a program without windows: each on a line of standard error.
// A question is never asked here, so it is answered No.
#include <ostream>
#include <string>

#include "platform/Prompt.h"

namespace quorvel {

class ConsolePrompt : public Prompt {
 public:
  explicit ConsolePrompt(std::ostream& err) : err_(err) {}
  void Alert(const std::string& text) override { err_ << text << '\n'; }
  bool AskYesNo(const std::string& text) override {
    err_ << text << '\n';
    return false;
  }

 private:
  std::ostream& err_;
};

}  // namespace quorvel
