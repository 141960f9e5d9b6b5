#pragma once
// The store operations that the crash sweep ends part way, one row each:
// the files it starts from, the operation itself (run in a helper process
// whose file system ends it after a given call), and what the files may
// hold afterwards. Another operation is one more row in the table.
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quorvel::test {

struct CrashOperation {
  const char* name;
  // Writes the starting files into the share folder, which exists, empty.
  void (*prepare)(const std::string& share);
  // The operation, run once on the member "a" of the group "g" (or the
  // group list file in the share folder); its result.
  bool (*run)(Platform& platform, const std::string& share);
  // What is wrong with the files after the helper was ended after call
  // `endedAfter` (0: it ran to its end), or "" when nothing is.
  std::string (*check)(const std::string& share, int endedAfter);
};

// What a crash did to the memos of a row that deletes one: lines that are
// no whole memo of the file, memos gone that should be there, memos there
// more than once.
struct MemoDamage {
  int fragments = 0;
  int lost = 0;
  int doubled = 0;
};
// False for a row that keeps no such account.
bool CountMemoDamage(const std::string& operation, const std::string& share, MemoDamage& damage);

const std::vector<CrashOperation>& CrashOperations();
const CrashOperation* FindCrashOperation(const std::string& name);
// What the helper's clock says, so that the new status line is known.
LocalTime CrashClockTime();

}  // namespace quorvel::test
