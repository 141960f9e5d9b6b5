#pragma once
// A real file system that breaks on purpose. Every call that reaches the
// files is numbered from 1: opens, reads, writes, sizes, seeks and cuts of
// an open file, searches and each step of one, deletes, moves and folder
// creations. Call number failAt fails without reaching the files; after
// call number endAfter the process ends at once, as a killed desk would,
// with nothing closed or flushed by the program.
#include <string>
#include <vector>

#include "tests/support/ForwardingFileSystem.h"

namespace quorvel::test {

// The exit code of a process ended by endAfter.
constexpr int kEndedByFault = 86;

class FaultyFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  int failAt = 0;    // 0: no call fails
  int endAfter = 0;  // 0: the process is never ended
  int calls = 0;
  std::vector<std::string> log;  // what each call was: "Open", "Write", ...

  // Counts a call; false when it is the one to fail. A close is no call.
  bool Enter(FileCall call) override;
  // Ends the process when the call just made was the last one allowed.
  void Leave(FileCall call) override;
};

}  // namespace quorvel::test
