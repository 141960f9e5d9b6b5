#include "store/TextCodec.h"

#include "platform/TextHelpers.h"

namespace quorvel {

namespace {

bool IsPlain(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// -1 for a byte that is no upper-case hexadecimal digit.
int HexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendEscaped(std::string& out, unsigned char c) {
  static const char kDigits[] = "0123456789ABCDEF";
  if (IsPlain(c)) {
    out += static_cast<char>(c);
  } else {
    out += '=';
    out += kDigits[c >> 4];
    out += kDigits[c & 0x0F];
  }
}

std::size_t EscapedWidth(unsigned char c) { return IsPlain(c) ? 1 : 3; }

}  // namespace

std::string Encode(const std::string& text) {
  if (text.empty()) return "=00";
  std::string out;
  out.reserve(text.size() * 3);
  for (unsigned char c : text) AppendEscaped(out, c);
  return out;
}

std::string Decode(const std::string& escaped) {
  std::string out;
  out.reserve(escaped.size());
  const std::size_t n = escaped.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(escaped[i]);
    if (c != '=') {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if (n - i < 3) {
      // Too short for an escape: the bytes after it are plain, even a "=".
      out += '?';
      out.append(escaped, i + 1, std::string::npos);
      break;
    }
    const int high = HexValue(static_cast<unsigned char>(escaped[i + 1]));
    const int low = HexValue(static_cast<unsigned char>(escaped[i + 2]));
    i += 3;
    if (high < 0) {
      out += '?';
      continue;
    }
    const int value = high * 16 + (low < 0 ? 0 : low);
    if (value != 0) out += static_cast<char>(value);
  }
  return out;
}

std::string CutText(const std::string& text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width =
        (IsLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size()) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text.substr(0, end);
}

std::string EncodeWithin(const std::string& text, std::size_t limit) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool pair = IsLeadByte(c) && i + 1 < text.size();
    std::size_t width = EscapedWidth(c);
    if (pair) width += EscapedWidth(static_cast<unsigned char>(text[i + 1]));
    if (out.size() + width > limit) break;
    AppendEscaped(out, c);
    if (pair) AppendEscaped(out, static_cast<unsigned char>(text[i + 1]));
    i += pair ? 2 : 1;
  }
  if (out.empty()) return limit >= 3 ? std::string("=00") : std::string();
  return out;
}

std::string CutEscaped(const std::string& escaped, std::size_t limit) {
  if (escaped.size() <= limit) return escaped;
  std::size_t cut = 0;       // last position between whole characters
  std::size_t i = 0;
  bool pendingLead = false;  // a decoded lead byte waits for its trail byte
  while (i < escaped.size()) {
    const bool escape = escaped[i] == '=' && i + 2 < escaped.size();
    const std::size_t width = escape ? 3 : 1;
    if (i + width > limit) break;
    unsigned char decoded = static_cast<unsigned char>(escaped[i]);
    if (escape) {
      const int high = HexValue(static_cast<unsigned char>(escaped[i + 1]));
      const int low = HexValue(static_cast<unsigned char>(escaped[i + 2]));
      decoded = high < 0 ? '?' : static_cast<unsigned char>(high * 16 + (low < 0 ? 0 : low));
    }
    i += width;
    if (pendingLead) {
      pendingLead = false;
    } else if (IsLeadByte(decoded)) {
      pendingLead = true;
      continue;
    }
    cut = i;
  }
  return escaped.substr(0, cut);
}

}  // namespace quorvel
