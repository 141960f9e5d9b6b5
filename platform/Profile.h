#pragma once
#include <string>

namespace quorvel {

// The local initialisation file. Section and key names ignore case; what is
// missing reads as the default; values are raw code-page bytes.
class Profile {
 public:
  virtual ~Profile() = default;
  virtual std::string ReadText(const std::string& section, const std::string& key,
                               const std::string& fallback = std::string()) = 0;
  virtual int ReadInt(const std::string& section, const std::string& key, int fallback) = 0;
  // False when the value could not be written (a read-only file, a folder
  // that cannot be written): the caller tells the user.
  virtual bool WriteText(const std::string& section, const std::string& key,
                         const std::string& value) = 0;
  virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
  // Reads a key of another file of the same format, at most capacity - 1 bytes.
  virtual std::string ReadForeignText(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& fallback,
                                      int capacity) = 0;
};

}  // namespace quorvel
