// The memo-file reader on any bytes; what it holds must write back and read
// again unchanged.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/MemoFile.h"
#include "store/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const quorvel::MemoContent content = quorvel::ParseMemoContent(bytes);
  if (content.memos.size() > static_cast<std::size_t>(quorvel::kMaxMemos)) std::abort();
  if (content.overLimit && content.memos.size() != static_cast<std::size_t>(quorvel::kMaxMemos))
    std::abort();
  // A raw zero byte of a hand-made line does not survive the escape.
  std::vector<std::string> memos;
  for (std::string memo : content.memos) {
    memo.erase(std::remove(memo.begin(), memo.end(), '\0'), memo.end());
    memos.push_back(memo);
  }
  std::string rewritten;
  for (const std::string& memo : memos) {
    if (memo.size() > quorvel::kMemoLineReadLimit) std::abort();
    if (!memo.empty()) rewritten += quorvel::Encode(memo) + "\n";
  }
  const quorvel::MemoContent again = quorvel::ParseMemoContent(rewritten);
  std::size_t j = 0;
  for (const std::string& memo : memos) {
    if (memo.empty()) continue;
    if (j >= again.memos.size() || again.memos[j] != memo.substr(0, again.memos[j].size()))
      std::abort();
    ++j;
  }
  return 0;
}
