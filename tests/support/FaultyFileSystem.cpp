#include "tests/support/FaultyFileSystem.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvel::test {

bool FaultyFileSystem::Enter(FileCall call) {
  if (call == FileCall::Close) return true;
  ++calls;
  log.push_back(NameOf(call));
  return calls != failAt;
}

void FaultyFileSystem::Leave(FileCall call) {
  if (call == FileCall::Close || endAfter == 0 || calls < endAfter) return;
#ifdef _WIN32
  TerminateProcess(GetCurrentProcess(), kEndedByFault);
#endif
  std::_Exit(kEndedByFault);
}

}  // namespace quorvel::test
