// The group-list reader on any bytes; a table it read must save and read
// back as the same table.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/GroupListFile.h"
#include "store/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  quorvel::RegisteredGroups groups;
  groups.count = 3;
  quorvel::ParseGroupListContent(bytes, groups);
  if (groups.count < 0 || groups.count > quorvel::kMaxRegisteredGroups) std::abort();
  std::string saved;
  for (int i = 0; i < groups.count; ++i)
    saved += quorvel::Encode(groups.serverNames[i]) + " " + quorvel::Encode(groups.groups[i]) + "\n";
  quorvel::RegisteredGroups back;
  if (!quorvel::ParseGroupListContent(saved, back)) std::abort();
  if (back.count != groups.count) std::abort();
  for (int i = 0; i < groups.count; ++i)
    if (back.serverNames[i] != groups.serverNames[i] || back.groups[i] != groups.groups[i])
      std::abort();
  return 0;
}
