// quorvel_crash_helper OPERATION SHARE END_AFTER
// Runs one operation of the crash sweep on the real file system, which ends
// this process right after call END_AFTER (0: never). Exits 0 when the
// operation ran to its end and succeeded, 1 when it failed, kEndedByFault
// when it was ended, 64 on bad arguments.
#include <cstdlib>
#include <memory>

#include "tests/store/crash/CrashOperations.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/TestPlatform.h"

int main(int argc, char** argv) {
  using namespace quorvel;
  if (argc != 4) return 64;
  const test::CrashOperation* op = test::FindCrashOperation(argv[1]);
  if (op == nullptr) return 64;
  std::unique_ptr<FileSystem> real = test::MakeRealFileSystem();
  test::FaultyFileSystem files(*real);
  files.endAfter = std::atoi(argv[3]);
  test::FakeClock clock;
  clock.now = test::CrashClockTime();
  test::RecordingPrompt prompt;
  Platform platform{files, clock, prompt};
  return op->run(platform, argv[2]) ? 0 : 1;
}
