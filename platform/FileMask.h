#pragma once
// Windows file masks, matched against the long name only: the platform's
// own search also matches generated short names ("*.sta" then finds
// "x.stax" as "X~1.STA"), which no caller wants.
#include <cctype>
#include <string>

namespace quorvel {

// "*" any run, "?" one character, case ignored; a mask ending in ".*" also
// matches the name without a dot ("*.*" is everything, "abc.*" finds "abc").
inline bool FileMaskMatches(const char* mask, const char* name) {
  for (;;) {
    if (*mask == '\0') return *name == '\0';
    if (*name == '\0' && mask[0] == '.' && mask[1] == '*' && mask[2] == '\0') return true;
    if (*mask == '*') {
      for (const char* rest = name;; ++rest) {
        if (FileMaskMatches(mask + 1, rest)) return true;
        if (*rest == '\0') return false;
      }
    }
    if (*name == '\0') return false;
    if (*mask != '?' && std::tolower(static_cast<unsigned char>(*mask)) !=
                            std::tolower(static_cast<unsigned char>(*name)))
      return false;
    ++mask;
    ++name;
  }
}

inline bool FileMaskMatches(const std::string& mask, const std::string& name) {
  return FileMaskMatches(mask.c_str(), name.c_str());
}

}  // namespace quorvel
