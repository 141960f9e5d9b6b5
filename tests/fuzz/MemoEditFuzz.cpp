// SendMemo and DeleteMemo, a few of each in any order, over any bytes a
// memo file can hold, on a file system in memory. After every operation the
// file must be exactly what it was with one memo line added at the end or
// one memo line taken out, or unchanged when the operation refused: no memo
// lost, none glued to another. A delete names a memo the file holds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Platform.h"
#include "store/MemoFile.h"
#include "store/TextCodec.h"
#include "tests/support/MemoryFileSystem.h"

namespace {

class NoClock : public quorvel::Clock {
 public:
  quorvel::LocalTime Now() override { return {2024, 1, 2, 3, 4, 5}; }
  void Wait(int) override {}
};

class NoPrompt : public quorvel::Prompt {
 public:
  void Alert(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return true; }
};

// The file with the index-th memo line (non-empty, ended, among the first
// 99) taken out, and that memo as a list shows it; false when there is no
// such line.
bool WithoutMemo(const std::string& bytes, int index, std::string& out, std::string& memo) {
  int seen = 0;
  for (std::size_t start = 0; seen < quorvel::kMaxMemos;) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) return false;
    if (lf > start && seen++ == index) {
      out = bytes.substr(0, start) + bytes.substr(lf + 1);
      memo = quorvel::ParseMemoContent(bytes.substr(start, lf + 1 - start)).memos.at(0);
      return true;
    }
    start = lf + 1;
  }
  return false;
}

// The memo lines: non-empty ones, and an unended last line.
int MemoLines(const std::string& bytes) {
  int n = 0;
  char last = '\n';
  for (char c : bytes) {
    n += c == '\n' && last != '\n';
    last = c;
  }
  return n + (last != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvel;
  if (size < 1) return 0;
  const std::size_t ops = data[0] % 8;
  if (size < 1 + ops) return 0;
  test::MemoryFileSystem files;
  files.folders = {"S", "S\\g"};
  files.files["S\\g\\a.sta"] = "A a =00 =00\n";
  files.files["S\\g\\a.mem"] = std::string(reinterpret_cast<const char*>(data) + 1 + ops,
                                           size - 1 - ops);
  NoClock clock;
  NoPrompt prompt;
  Platform platform{files, clock, prompt};
  StatusRecord to;
  to.serverName = "S";
  to.group = "g";
  to.code = "a";

  for (std::size_t i = 0; i < ops; ++i) {
    const std::uint8_t op = data[1 + i];
    const std::string before = files.files["S\\g\\a.mem"];
    if (op & 1) {
      const int index = (op >> 1) % 101 - 1;  // -1 to 99
      std::string expected, memo;
      // The selected memo itself is the nearest line with its text.
      if (!WithoutMemo(before, index, expected, memo)) continue;
      if (!DeleteMemo(platform, to, index, memo)) std::abort();
      if (files.files["S\\g\\a.mem"] != expected) std::abort();
    } else {
      const std::string text = "memo " + std::to_string(i) + std::string((op >> 1) % 40, '=');
      const bool unended = !before.empty() && before.back() != '\n';
      const bool room = MemoLines(before) < kMaxMemos;
      if (SendMemo(platform, to, text) != room) std::abort();
      const std::string added = (unended ? "\n" : "") + Encode(text) + "\n";
      if (files.files["S\\g\\a.mem"] != (room ? before + added : before)) std::abort();
    }
  }
  return 0;
}
