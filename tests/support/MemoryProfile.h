#pragma once
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Profile.h"

namespace quorvel::test {

// A profile held in memory. Names ignore case as in the real file; every
// write is also logged so tests can check the order of writes.
class MemoryProfile : public Profile {
 public:
  struct Write {
    std::string section, key, value;
  };

  std::string ReadText(const std::string& section, const std::string& key,
                       const std::string& fallback = std::string()) override {
    auto it = values.find(Key(section, key));
    return it == values.end() ? fallback : it->second;
  }
  int ReadInt(const std::string& section, const std::string& key, int fallback) override {
    auto it = values.find(Key(section, key));
    if (it == values.end()) return fallback;
    return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
  }
  bool WriteText(const std::string& section, const std::string& key,
                 const std::string& value) override {
    if (readOnly || failingKeys.count(Lower(key)) != 0) {
      refusedWrites.push_back({section, key, value});
      return false;
    }
    values[Key(section, key)] = value;
    writes.push_back({section, key, value});
    return true;
  }
  bool WriteInt(const std::string& section, const std::string& key, int value) override {
    return WriteText(section, key, std::to_string(value));
  }
  std::string ReadForeignText(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback,
                              int capacity) override {
    auto file = foreign.find(path);
    if (file == foreign.end()) return fallback;
    auto it = file->second.find(Key(section, key));
    if (it == file->second.end()) return fallback;
    const std::size_t max = capacity > 0 ? static_cast<std::size_t>(capacity - 1) : 0;
    return it->second.substr(0, max);
  }

  void Set(const std::string& section, const std::string& key, const std::string& value) {
    values[Key(section, key)] = value;
  }
  bool Has(const std::string& section, const std::string& key) const {
    return values.count(Key(section, key)) != 0;
  }

  using Map = std::map<std::pair<std::string, std::string>, std::string>;
  static std::pair<std::string, std::string> Key(const std::string& section,
                                                 const std::string& key) {
    return {Lower(section), Lower(key)};
  }

  Map values;
  std::map<std::string, Map> foreign;  // other files, by path
  std::vector<Write> writes;
  // Writes that fail: every one (a read-only file), or those of some keys
  // (lower case), as a disk that fills part way would.
  bool readOnly = false;
  std::set<std::string> failingKeys;
  std::vector<Write> refusedWrites;

 private:
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
};

}  // namespace quorvel::test
