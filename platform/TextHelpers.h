#pragma once
// Small byte-level text pieces that several layers need alike: kept in one
// place so that a file read here and a list drawn there agree on what a
// character, a token, a numbered line and a column are.
#include <cstddef>
#include <string>
#include <vector>

namespace quorvel {

// True for the first byte of a two-byte character of code page 932.
inline bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// At most `max` tokens of `text` as repeated "%s" scans of a C string read
// them: a zero byte ends the text, and tokens are runs of anything but the
// C library's white space.
inline std::vector<std::string> ScanTokens(const std::string& text, std::size_t max) {
  const auto blank = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  const std::size_t end = text.find('\0') == std::string::npos ? text.size() : text.find('\0');
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (tokens.size() < max) {
    while (i < end && blank(text[i])) ++i;
    if (i >= end) break;
    const std::size_t start = i;
    while (i < end && !blank(text[i])) ++i;
    tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}

// Calls visit(number, start, end) for each line of `bytes` that is ended by
// a line feed and not empty, numbered from 0 as the lists show them; the
// line is bytes [start, end), its line feed at `end`. An unended last line
// is no line. Stops early when visit returns false.
template <typename Visit>
void ForEachNumberedLine(const std::string& bytes, Visit visit) {
  std::size_t number = 0;
  for (std::size_t start = 0;;) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) return;
    if (lf > start && !visit(number++, start, lf)) return;
    start = lf + 1;
  }
}

// Text padded with blanks on the right to at least `width` bytes, never cut.
inline std::string PadRight(const std::string& text, std::size_t width) {
  std::string out = text;
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

}  // namespace quorvel
