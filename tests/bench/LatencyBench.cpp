// What a 99-member refresh costs on a share that answers slowly: every call
// that would cross the network waits a fixed time first. Prints one line per
// latency, reading one by one against LoadMembers as it is. Usage:
//   quorvel_bench_latency              0, 1 and 20 ms per call
//   quorvel_bench_latency wide         also reading concurrently from the
//                                      start at 0 ms, and widths at 20 ms
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "store/GroupMembership.h"
#include "store/StatusFile.h"
#include "tests/support/SlowFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace {

using namespace quorvel;

// Milliseconds per load, over as many loads as fill about a second.
double MsPerLoad(Platform& platform, const std::string& share, const ReadPace& pace) {
  MemberList list;
  list.serverName = share;
  list.group = "営業";
  int loads = 0;
  const auto start = std::chrono::steady_clock::now();
  std::chrono::duration<double, std::milli> spent{};
  do {
    LoadMembers(platform, list, pace);
    if (list.memberCount != kMaxMembers || list.members[kMaxMembers - 1].status.empty()) {
      std::printf("a load lost members\n");
      std::exit(1);
    }
    ++loads;
    spent = std::chrono::steady_clock::now() - start;
  } while (spent.count() < 1000);
  return spent.count() / loads;
}

}  // namespace

int main(int argc, char** argv) {
  const bool wide = argc > 1 && std::strcmp(argv[1], "wide") == 0;
  test::TempDir share;
  std::unique_ptr<FileSystem> files = test::MakeRealFileSystem();
  std::unique_ptr<Clock> clock = test::MakeRealClock();
  SilentPrompt prompt;
  Platform local{*files, *clock, prompt};
  files->CreateFolder(GroupFolderPath(share.Path(), "営業"));
  for (int i = 0; i < kMaxMembers; ++i) {
    StatusRecord r;
    r.serverName = share.Path();
    r.group = "営業";
    r.code = "A" + std::to_string(100 + i);
    r.name = "名前" + std::to_string(i);
    r.status = "外出 15時戻り";
    if (!WriteStatus(local, r, true)) return 1;
  }

  std::printf("%s: 99 members, %s\n", test::PlatformName(),
              "calls delayed: open, read, close, search");
  const ReadPace oneByOne{1, ReadPace().slowCall};
  for (int ms : {0, 1, 20}) {
    test::SlowFileSystem slow(*files, [ms] { return std::chrono::milliseconds(ms); });
    Platform platform{slow, *clock, prompt};
    const double sequential = MsPerLoad(platform, share.Path(), oneByOne);
    const double concurrent = MsPerLoad(platform, share.Path(), ReadPace());
    std::printf("latency %d ms: sequential %.1f ms, concurrent %.1f ms, ratio %.2f\n", ms,
                sequential, concurrent, concurrent / sequential);
    std::fflush(stdout);
    if (!wide) continue;
    const std::vector<int> widths = ms == 0 ? std::vector<int>{16}
                                            : std::vector<int>{8, 12, 16, 20, 24, 32};
    for (int width : widths) {
      const double forced = MsPerLoad(platform, share.Path(), ReadPace{width, {}});
      std::printf("  concurrent from the start, width %d: %.2f ms, ratio %.2f\n", width, forced,
                  forced / sequential);
      std::fflush(stdout);
    }
  }
  return 0;
}
