#include "store/DeviceName.h"

#include <cctype>

#include "store/TextCodec.h"

namespace quorvel {

bool IsDeviceName(const std::string& fileName) {
  // Windows looks at the name before the first dot, trailing blanks dropped.
  std::string base = fileName.substr(0, fileName.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  if (base.size() != 3 && base.size() != 4) return false;
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (base.size() == 3) return base == "CON" || base == "PRN" || base == "AUX" || base == "NUL";
  const std::string stem = base.substr(0, 3);
  return (stem == "COM" || stem == "LPT") && base[3] >= '0' && base[3] <= '9';
}

bool IsDeviceGroup(const std::string& group) { return IsDeviceName(Encode(group)); }

bool IsDeviceMember(const StatusRecord& record) {
  return IsDeviceGroup(record.group) || IsDeviceName(Encode(record.code));
}

}  // namespace quorvel
