// The status-file reader on any bytes a share can hold.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/StatusFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  quorvel::StatusRecord record;
  record.name = "before";
  record.code = "c";
  record.memoCount = 7;
  const int tokens = quorvel::ParseStatusContent(bytes, record);
  if (tokens < 0 || tokens > 4) std::abort();
  if (record.memoCount != 0) std::abort();
  // Nothing past byte 512 is ever looked at.
  if (record.name.size() + record.status.size() + record.stamp.size() > 512) std::abort();
  if (tokens == 0 && record.name != "before") std::abort();
  return 0;
}
