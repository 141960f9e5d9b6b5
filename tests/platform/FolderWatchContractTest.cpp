// The same cases against the build's folder watch: the POSIX stand-in
// natively, change notifications under Wine.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <filesystem>
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

  template <typename Condition>
  static bool Within(std::chrono::milliseconds limit, Condition holds) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!holds() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(20ms);
    return holds();
  }
  bool CallsWithin(int n, std::chrono::milliseconds limit) {
    return Within(limit, [&] { return calls >= n; });
  }
};

TEST_F(FolderWatchContract, ARewriteIsReportedOnceWithinTwoSeconds) {
  WriteFileBytes(folder / "A01.sta", "a\n");
  auto watch = MakeRealFolderWatch(folder.Path(), count, kFolderQuietMs, kFolderPollMs);
  ASSERT_TRUE(Within(2000ms, [&] { return watch->Notifies(); }));
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(calls, 0) << "nothing changed yet";
  WriteFileBytes(folder / "A01.sta", "b b\n");
  EXPECT_TRUE(CallsWithin(1, 2000ms));
  // A burst of changes close together is one call. A loaded machine may
  // stretch a pause past the quiet time: the burst is then two, and so are
  // the calls.
  int bursts = 1;
  auto last = std::chrono::steady_clock::now();
  const auto change = [&](auto&& step) {
    step();
    const auto now = std::chrono::steady_clock::now();
    if (now - last >= std::chrono::milliseconds(kFolderQuietMs)) ++bursts;
    last = now;
  };
  for (const char* name : {"B1.sta", "B2.sta", "B3.sta", "B4.sta"}) {
    change([&] { WriteFileBytes(folder / name, "x\n"); });
    std::this_thread::sleep_for(30ms);
  }
  change([&] { std::remove(NativePath(folder / "B1.sta").c_str()); });
  EXPECT_TRUE(CallsWithin(1 + bursts, 2000ms));
  std::this_thread::sleep_for(800ms);
  EXPECT_EQ(calls, 1 + bursts);
  watch.reset();
  WriteFileBytes(folder / "C.sta", "x\n");
  std::this_thread::sleep_for(700ms);
  EXPECT_EQ(calls, 1 + bursts) << "no call once the watch is gone";
}

TEST_F(FolderWatchContract, AFolderThatCannotBeWatchedIsReadAgainEachPeriod) {
  auto watch = MakeRealFolderWatch(folder / "missing", count, kFolderQuietMs, 200);
  EXPECT_FALSE(watch->Notifies());
  EXPECT_TRUE(CallsWithin(2, 2000ms));
}

// A watch is read again each period whatever it reports, goes on so when
// its folder goes, and watches the folder again once it is back. The folder
// is moved away before it is removed: Windows may keep a watched folder,
// pending deletion, until its watch lets go.
TEST_F(FolderWatchContract, AWatchWhoseFolderGoesFallsBackToPollingAndResumes) {
  const std::string group = folder / "g";
  MakeFolder(group);
  auto watch = MakeRealFolderWatch(group, count, kFolderQuietMs, 300);
  ASSERT_TRUE(Within(2000ms, [&] { return watch->Notifies(); }));
  EXPECT_TRUE(CallsWithin(2, 2000ms)) << "silent, yet read each period";
  std::filesystem::rename(NativePath(group), NativePath(folder / "gone"));
  RemoveFolder(folder / "gone");
  EXPECT_TRUE(Within(3000ms, [&] { return !watch->Notifies(); }));
  const int before = calls;
  EXPECT_TRUE(CallsWithin(before + 2, 3000ms)) << "read each period while it is gone";
  MakeFolder(group);
  EXPECT_TRUE(Within(3000ms, [&] { return watch->Notifies(); })) << "watched again";
}

}  // namespace
}  // namespace quorvel::test
