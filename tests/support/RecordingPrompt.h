#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/Prompt.h"

namespace quorvel::test {

// Records every message; questions take their answers from a queue (Yes
// when the queue is empty).
class RecordingPrompt : public Prompt {
 public:
  struct Shown {
    bool question;
    std::string text;
  };
  void Alert(const std::string& text) override { shown.push_back({false, text}); }
  bool AskYesNo(const std::string& text) override {
    shown.push_back({true, text});
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back(s.text);
    return out;
  }
  void Clear() { shown.clear(); }

  std::vector<Shown> shown;
  std::deque<bool> answers;
};

}  // namespace quorvel::test
