#pragma once
// The escaping of every text that reaches a shared file or a file name:
// 0-9, A-Z and a-z stay, every other byte becomes "=" and two hex digits.
#include <cstddef>
#include <string>

namespace quorvel {

std::string Encode(const std::string& text);
std::string Decode(const std::string& escaped);

// The longest prefix of `text` of at most `limit` bytes that ends between
// whole characters.
std::string CutText(const std::string& text, std::size_t limit);

// Encode of the longest whole-character prefix of `text` whose escape fits
// in `limit` bytes, so that a cut token decodes to a clean prefix.
std::string EncodeWithin(const std::string& text, std::size_t limit);

// The longest prefix of an escaped token of at most `limit` bytes that ends
// between whole escapes and between whole characters of what it decodes to.
std::string CutEscaped(const std::string& escaped, std::size_t limit);

}  // namespace quorvel
