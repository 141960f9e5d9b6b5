#pragma once
// Stand-in for the Windows private-profile functions, so that everything
// over the Profile seam runs natively. It reads as Wine's
// GetPrivateProfileStringA does (names trimmed and compared without regard
// to case, first section and first key of a name win, blanks around values
// trimmed, one pair of quotes stripped) and writes the lines Windows writes
// ("[Section]\r\nkey=value\r\n"), but edits the file in place: lines it does
// not change keep their bytes.
#include <cstddef>
#include <string>

#include "platform/Profile.h"

namespace quorvel {

class IniProfile : public Profile {
 public:
  explicit IniProfile(std::string path);  // "\" or "/" separators

  std::string ReadText(const std::string& section, const std::string& key,
                       const std::string& fallback = std::string()) override;
  int ReadInt(const std::string& section, const std::string& key, int fallback) override;
  bool WriteText(const std::string& section, const std::string& key,
                 const std::string& value) override;
  bool WriteInt(const std::string& section, const std::string& key, int value) override;
  std::string ReadForeignText(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback,
                              int capacity) override;

  // Longest text ReadText returns, as the Win32 profile bounds its buffer.
  static constexpr std::size_t kMaxText = 65535;
  // A larger file is not an initialisation file: it reads as defaults and
  // is never rewritten (so nothing of it is lost).
  static constexpr std::size_t kMaxFileBytes = 64u << 20;

 private:
  std::string path_;
};

namespace ini {

// The value of section/key in the file contents `text` before quotes are
// stripped; false when the section, the key or its "=" is missing.
bool FindValue(const std::string& text, const std::string& section, const std::string& key,
               std::string& value);
// `text` with section/key set to value, every other byte unchanged.
std::string SetValue(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value);
// One pair of matching quotes around the value goes.
std::string StripQuotes(const std::string& value);
// At most capacity - 1 bytes, never ending in half a double-byte character.
std::string Clip(const std::string& value, std::size_t capacity);
// The integer of a value as GetPrivateProfileIntA reads it: blanks, a sign,
// "0x"/"0o"/"0b", digits up to the first other character, 32-bit wrap-around.
int ParseInt(const std::string& value);

}  // namespace ini

}  // namespace quorvel
