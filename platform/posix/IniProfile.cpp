#include "platform/posix/IniProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "platform/TextHelpers.h"

namespace quorvel {

namespace {

// The blanks Wine trims around names and values: ASCII white space and the
// DOS end-of-file mark. The ideographic blank is kept, as there.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A;
}

std::string Trim(const std::string& s, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

std::string Trim(const std::string& s) { return Trim(s, 0, s.size()); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Case folds single-byte letters only: the second byte of a double-byte
// character may look like a letter and must match exactly.
bool NamesEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

struct Line {
  std::size_t begin = 0;    // first byte
  std::size_t content = 0;  // end of the text before the line break
  std::size_t end = 0;      // after the line break
};

// Wine ends a line at "\r\n", "\n" or a lone "\r".
bool NextLine(const std::string& text, std::size_t& pos, Line& line) {
  if (pos >= text.size()) return false;
  line.begin = pos;
  std::size_t i = pos;
  while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
  line.content = i;
  if (i < text.size()) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    ++i;
  }
  line.end = i;
  pos = i;
  return true;
}

std::size_t SkipBom(const std::string& text) {
  return text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
}

// One line read as a section header or a key.
struct Parsed {
  enum Kind { Blank, Section, Key } kind = Blank;
  std::string name;
  bool hasValue = false;
  std::string value;
};

Parsed ParseLine(const std::string& text, const Line& line) {
  Parsed p;
  std::size_t b = line.begin;
  const std::size_t e = line.content;
  while (b < e && IsBlank(text[b])) ++b;
  if (b >= e) return p;
  if (text[b] == '[') {
    // The name runs to the last "]" of the line that is a character of its
    // own (not the second byte of a double-byte one).
    std::size_t close = std::string::npos;
    for (std::size_t i = b + 1; i < e; ++i) {
      if (text[i] == ']') close = i;
      if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < e) ++i;
    }
    if (close != std::string::npos) {
      p.kind = Parsed::Section;
      p.name = Trim(text, b + 1, close);
      return p;
    }
  }
  // "=" is below the range of second bytes, so a plain search is safe.
  p.kind = Parsed::Key;
  const std::size_t eq = text.find('=', b);
  if (eq == std::string::npos || eq >= e) {
    p.name = Trim(text, b, e);
    return p;
  }
  p.name = Trim(text, b, eq);
  p.hasValue = true;
  p.value = Trim(text, eq + 1, e);
  const std::size_t nul = p.value.find('\0');
  if (nul != std::string::npos) p.value.resize(nul);
  return p;
}

enum class ReadState { Missing, Read, Unusable };

ReadState ReadWhole(const std::string& path, std::string& out) {
  out.clear();
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR
                                                 ? ReadState::Missing
                                                 : ReadState::Unusable;
  if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > IniProfile::kMaxFileBytes)
    return ReadState::Unusable;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return ReadState::Unusable;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    out.append(buf, n);
    if (out.size() > IniProfile::kMaxFileBytes) break;
  }
  const bool failed = std::ferror(f) != 0 || out.size() > IniProfile::kMaxFileBytes;
  std::fclose(f);
  return failed ? ReadState::Unusable : ReadState::Read;
}

// Written beside the file and renamed over it, so a failed write never
// leaves half a profile.
bool ReplaceFile(const std::string& path, const std::string& bytes, mode_t mode) {
  const std::string temp = path + ".qvtmp" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  if (mode != 0) ::fchmod(fd, mode);
  ok = ::close(fd) == 0 && ok;
  if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

std::string NativePath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// Windows drops trailing blanks of a default text (but not its first
// character).
std::string TrimFallback(std::string fallback) {
  while (fallback.size() > 1 && fallback.back() == ' ') fallback.pop_back();
  return fallback;
}

std::string ReadFrom(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& fallback, std::size_t capacity) {
  std::string text, value;
  if (ReadWhole(path, text) == ReadState::Read && ini::FindValue(text, section, key, value))
    return ini::Clip(ini::StripQuotes(value), capacity);
  return ini::Clip(TrimFallback(fallback), capacity);
}

}  // namespace

namespace ini {

bool FindValue(const std::string& text, const std::string& section, const std::string& key,
               std::string& value) {
  const std::string wantSection = Trim(section);
  const std::string wantKey = Trim(key);
  // Lines before the first header belong to the section without a name.
  bool inSection = wantSection.empty();
  bool seenSection = inSection;
  std::size_t pos = SkipBom(text);
  Line line;
  while (NextLine(text, pos, line)) {
    const Parsed p = ParseLine(text, line);
    if (p.kind == Parsed::Section) {
      // Only the first section of a name counts, as with Wine.
      if (seenSection) return false;
      inSection = NamesEqual(p.name, wantSection);
      seenSection = inSection;
    } else if (p.kind == Parsed::Key && inSection && NamesEqual(p.name, wantKey)) {
      if (!p.hasValue) return false;
      value = p.value;
      return true;
    }
  }
  return false;
}

std::string SetValue(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value) {
  // Windows drops blanks before a value; a line break or a zero byte would
  // end the line, so the value stops there instead of adding a line.
  std::size_t b = 0;
  while (b < value.size() && IsBlank(value[b])) ++b;
  std::size_t e = value.find_first_of(std::string("\r\n\0", 3), b);
  if (e == std::string::npos) e = value.size();
  const std::string cleanValue = value.substr(b, e - b);
  const std::string wantSection = Trim(section);
  const std::string wantKey = Trim(key);

  bool inSection = false;
  bool found = false;
  Line last;  // last line of the section that is not blank
  std::size_t pos = SkipBom(text);
  Line line;
  while (NextLine(text, pos, line)) {
    const Parsed p = ParseLine(text, line);
    if (p.kind == Parsed::Section) {
      if (found) break;
      inSection = NamesEqual(p.name, wantSection);
      found = inSection;
      if (inSection) last = line;
    } else if (inSection && p.kind == Parsed::Key) {
      if (NamesEqual(p.name, wantKey)) {
        // The key keeps its spelling in the file; the line its line break.
        std::string out = text.substr(0, line.begin) + p.name + "=" + cleanValue;
        out += line.end > line.content ? text.substr(line.content) : "\r\n";
        return out;
      }
      last = line;
    }
  }
  const std::string entry = wantKey + "=" + cleanValue + "\r\n";
  if (found) {
    std::string out = text.substr(0, last.end);
    if (last.end == last.content) out += "\r\n";
    return out + entry + text.substr(last.end);
  }
  std::string out = text;
  if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
  return out + "[" + wantSection + "]\r\n" + entry;
}

std::string StripQuotes(const std::string& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

std::string Clip(const std::string& value, std::size_t capacity) {
  if (capacity == 0) return std::string();
  const std::size_t max = capacity - 1;
  if (value.size() <= max) return value;
  std::size_t i = 0;
  while (i < max) {
    const std::size_t len = IsLeadByte(static_cast<unsigned char>(value[i])) ? 2 : 1;
    if (i + len > max) break;
    i += len;
  }
  return value.substr(0, i);
}

int ParseInt(const std::string& value) {
  std::size_t i = 0;
  while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ') ++i;
  bool minus = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) minus = value[i++] == '-';
  unsigned base = 10;
  if (i + 1 < value.size() && value[i] == '0') {
    const char p = value[i + 1];
    base = p == 'x' ? 16 : p == 'o' ? 8 : p == 'b' ? 2 : 10;
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < value.size(); ++i) {
    const char c = value[i];
    const unsigned digit = c >= '0' && c <= '9'   ? static_cast<unsigned>(c - '0')
                           : c >= 'A' && c <= 'Z' ? static_cast<unsigned>(c - 'A' + 10)
                           : c >= 'a' && c <= 'z' ? static_cast<unsigned>(c - 'a' + 10)
                                                  : 99u;
    if (digit >= base) break;
    total = total * base + digit;
  }
  if (minus) total = 0u - total;
  return static_cast<int>(total);
}

}  // namespace ini

IniProfile::IniProfile(std::string path) : path_(NativePath(std::move(path))) {}

std::string IniProfile::ReadText(const std::string& section, const std::string& key,
                                 const std::string& fallback) {
  return ReadFrom(path_, section, key, fallback, kMaxText + 1);
}

int IniProfile::ReadInt(const std::string& section, const std::string& key, int fallback) {
  // GetPrivateProfileIntA reads the text into 30 characters first; an
  // empty text gives the default.
  const std::string text = ReadFrom(path_, section, key, std::string(), 30);
  return text.empty() ? fallback : ini::ParseInt(text);
}

bool IniProfile::WriteText(const std::string& section, const std::string& key,
                           const std::string& value) {
  std::string text;
  const ReadState state = ReadWhole(path_, text);
  if (state == ReadState::Unusable) return false;
  mode_t mode = 0;
  struct stat st;
  if (state == ReadState::Read && ::stat(path_.c_str(), &st) == 0) {
    // Windows refuses to write a read-only file; root would not be refused.
    if ((st.st_mode & S_IWUSR) == 0) return false;
    mode = st.st_mode & 07777;
  }
  return ReplaceFile(path_, ini::SetValue(text, section, key, value), mode);
}

bool IniProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", value);
  return WriteText(section, key, buf);
}

std::string IniProfile::ReadForeignText(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& fallback,
                                        int capacity) {
  if (capacity <= 0) return std::string();
  return ReadFrom(NativePath(path), section, key, fallback, static_cast<std::size_t>(capacity));
}

}  // namespace quorvel
