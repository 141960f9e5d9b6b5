// Every store operation that changes a file, ended in a helper process right
// after its first file call, then its second, third and so on, the way a
// killed desk ends: each time the files must hold the whole old content or
// the whole new one, and a memo file must have lost no memo and show no
// piece of one.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/store/crash/CrashOperations.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"

namespace quorvel::test {
namespace {

constexpr int kMostCalls = 64;

// The helper's exit code. A helper that did not start (Wine under load
// now and then fails to make a process) ran nothing, so it is started again.
int RunHelper(const CrashOperation& op, const std::string& share, int endAfter) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    ChildProcess helper(
        {HelperProgram("quorvel_crash_helper"), op.name, share, std::to_string(endAfter)});
    if (helper.Started()) return helper.Wait();
    std::printf("%s: the helper did not start; starting it again\n", op.name);
  }
  return -1;
}

TEST(CrashSweep, EveryCallOfEveryOperationLeavesWholeFiles) {
  for (const CrashOperation& op : CrashOperations()) {
    int crashes = 0;
    bool finished = false;
    bool countsMemos = false;
    MemoDamage damage;
    for (int n = 1; n <= kMostCalls && !finished; ++n) {
      TempDir share;
      op.prepare(share.Path());
      const int code = RunHelper(op, share.Path(), n);
      if (code == kEndedByFault) {
        ++crashes;
        EXPECT_EQ(op.check(share.Path(), n), "") << op.name << " ended after call " << n;
      } else {
        finished = true;
        EXPECT_EQ(code, 0) << op.name << " failed with no crash";
        EXPECT_EQ(op.check(share.Path(), 0), "") << op.name << " ran to its end";
      }
      countsMemos = CountMemoDamage(op.name, share.Path(), damage);
    }
    EXPECT_TRUE(finished) << op.name << " makes more than " << kMostCalls << " calls";
    EXPECT_GT(crashes, 0) << op.name << " was never ended part way";
    std::printf("%s: ended after each of its %d file calls, then ran through\n", op.name, crashes);
    if (countsMemos) {
      std::printf("%s: %d fragments, %d lost memos, %d doubled over %d crash points\n", op.name,
                  damage.fragments, damage.lost, damage.doubled, crashes);
      EXPECT_EQ(damage.fragments, 0) << op.name;
      EXPECT_EQ(damage.lost, 0) << op.name;
      EXPECT_EQ(damage.doubled, 0) << op.name;
    }
  }
}

}  // namespace
}  // namespace quorvel::test
