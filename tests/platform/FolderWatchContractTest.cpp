// The same cases against the build's folder watch: the POSIX stand-in
// natively, change notifications under Wine.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <thread>

#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel::test {
namespace {

using namespace std::chrono_literals;

struct FolderWatchContract : ::testing::Test {
  TempDir folder;
  std::atomic<int> calls{0};
  FolderWatch::Changed count = [this] { ++calls; };

  bool CallsWithin(int n, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (calls < n && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(20ms);
    return calls >= n;
  }
};

TEST_F(FolderWatchContract, ARewriteIsReportedOnceWithinTwoSeconds) {
  WriteFileBytes(folder / "A01.sta", "a\n");
  auto watch = MakeRealFolderWatch(folder.Path(), count, kFolderQuietMs, kFolderPollMs);
  EXPECT_TRUE(watch->Notifies());
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(calls, 0) << "nothing changed yet";
  WriteFileBytes(folder / "A01.sta", "b b\n");
  EXPECT_TRUE(CallsWithin(1, 2000ms));
  // A burst of changes close together is one call.
  for (const char* name : {"B1.sta", "B2.sta", "B3.sta", "B4.sta"}) {
    WriteFileBytes(folder / name, "x\n");
    std::this_thread::sleep_for(30ms);
  }
  std::remove(NativePath(folder / "B1.sta").c_str());
  EXPECT_TRUE(CallsWithin(2, 2000ms));
  std::this_thread::sleep_for(800ms);
  EXPECT_EQ(calls, 2);
  watch.reset();
  WriteFileBytes(folder / "C.sta", "x\n");
  std::this_thread::sleep_for(700ms);
  EXPECT_EQ(calls, 2) << "no call once the watch is gone";
}

TEST_F(FolderWatchContract, AFolderThatCannotBeWatchedIsReadAgainEachPeriod) {
  auto watch = MakeRealFolderWatch(folder / "missing", count, kFolderQuietMs, 200);
  EXPECT_FALSE(watch->Notifies());
  EXPECT_TRUE(CallsWithin(2, 2000ms));
}

}  // namespace
}  // namespace quorvel::test
