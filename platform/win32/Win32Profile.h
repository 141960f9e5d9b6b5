#pragma once
#include <string>

#include "platform/Profile.h"

namespace quorvel {

// The private-profile functions over one file. A bare name ("QVL.ini") is
// resolved by Windows in the Windows directory; tests pass a full path.
class Win32Profile : public Profile {
 public:
  explicit Win32Profile(std::string fileName);

  std::string ReadText(const std::string& section, const std::string& key,
                       const std::string& fallback = std::string()) override;
  int ReadInt(const std::string& section, const std::string& key, int fallback) override;
  bool WriteText(const std::string& section, const std::string& key,
                 const std::string& value) override;
  bool WriteInt(const std::string& section, const std::string& key, int value) override;
  std::string ReadForeignText(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback,
                              int capacity) override;

  // Longest text ReadText returns; the buffer grows up to this.
  static constexpr int kMaxText = 65535;

 private:
  std::string fileName_;
};

}  // namespace quorvel
