#pragma once
// Where a console program's text goes: a stdio stream in qvlstatus, a
// string in the tests. Not iostreams: their static locale code, linked into
// a Windows build, made qvlstatus.exe larger than the board itself.
#include <cstdio>
#include <string>

namespace quorvel {

class TextOut {
 public:
  virtual ~TextOut() = default;
  virtual void Write(const std::string& text) = 0;
};

class StdioOut : public TextOut {
 public:
  explicit StdioOut(std::FILE* file) : file_(file) {}
  void Write(const std::string& text) override {
    std::fwrite(text.data(), 1, text.size(), file_);
  }

 private:
  std::FILE* file_;
};

class StringOut : public TextOut {
 public:
  void Write(const std::string& text) override { this->text += text; }
  std::string text;
};

}  // namespace quorvel
