// What a 99-member refresh costs on a share that answers slowly: every call
// that would cross the network waits a fixed time first. Prints a line per
// latency, reading one by one against LoadMembers as it is, and a line with
// each one's first load. Usage:
//   quorvel_bench_latency        0, 1 and 20 ms per call
//   quorvel_bench_latency wide   also reading concurrently from the start:
//                                at 0 ms 64 wide, at 1 and 20 ms 16 to 99 wide,
//                                and how long a search of the local folder takes
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "store/GroupMembership.h"
#include "store/StatusFile.h"
#include "tests/bench/BenchGroup.h"
#include "tests/support/SlowFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace {

using namespace quorvel;

struct Timings {
  std::vector<double> first;  // each pace's first load
  std::vector<double> mean;   // the loads after it
};

double MsToLoad(Platform& platform, MemberList& list, const ReadPace& pace) {
  const auto start = std::chrono::steady_clock::now();
  LoadMembers(platform, list, pace);
  if (list.memberCount != kMaxMembers || list.members[kMaxMembers - 1].status.empty()) {
    std::printf("a load lost members\n");
    std::exit(1);
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Milliseconds per load at each pace, the loads taken in turn (so both
// see the same machine) until each pace has had about a second. A desk
// refreshes all day: the first load, whose wide reads also start the
// reading threads, is told apart from the refreshes that find them waiting.
Timings MsPerLoad(Platform& platform, const std::string& share, const std::vector<ReadPace>& paces) {
  MemberList list;
  list.serverName = share;
  list.group = bench::kGroup;
  Timings t;
  for (const ReadPace& pace : paces) t.first.push_back(MsToLoad(platform, list, pace));
  t.mean.assign(paces.size(), 0);
  std::vector<int> loads(paces.size());
  for (bool more = true; more;) {
    more = false;
    for (std::size_t k = 0; k < paces.size(); ++k) {
      if (t.mean[k] >= 1000) continue;
      t.mean[k] += MsToLoad(platform, list, paces[k]);
      ++loads[k];
      more = true;
    }
  }
  for (std::size_t k = 0; k < paces.size(); ++k) t.mean[k] /= loads[k];
  return t;
}

// Minimum, median and maximum of 200 searches of the group's status files,
// in microseconds: a slow search alone sends a load wide.
std::string SearchTimes(Platform& platform, const std::string& share) {
  std::vector<double> us;
  for (int n = 0; n < 200; ++n) {
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<FileSearch> search =
        platform.files.Find(GroupFolderPath(share, bench::kGroup) + "\\*.sta");
    us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(us.begin(), us.end());
  char line[96];
  std::snprintf(line, sizeof line, "min %.0f us, median %.0f us, max %.0f us", us.front(),
                us[us.size() / 2], us.back());
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  const bool wide = argc > 1 && std::strcmp(argv[1], "wide") == 0;
  test::TempDir share;
  std::unique_ptr<FileSystem> files = test::MakeRealFileSystem();
  std::unique_ptr<Clock> clock = test::MakeRealClock();
  SilentPrompt prompt;
  Platform local{*files, *clock, prompt};
  if (!bench::WriteFullGroup(local, share.Path())) return 1;

  std::printf("%s: 99 members; delayed: open, read, close, search\n", test::PlatformName());
  if (wide) std::printf("local search of the group: %s\n", SearchTimes(local, share.Path()).c_str());
  const ReadPace oneByOne{1, ReadPace().slowCall};
  for (int ms : {0, 1, 20}) {
    test::SlowFileSystem slow(*files, [ms] { return std::chrono::milliseconds(ms); });
    Platform platform{slow, *clock, prompt};
    std::vector<ReadPace> paces{oneByOne, ReadPace()};
    if (wide) {
      for (int width : ms == 0 ? std::vector<int>{64} : std::vector<int>{16, 32, 48, 64, 99})
        paces.push_back(ReadPace{width, {}});
    }
    const Timings timings = MsPerLoad(platform, share.Path(), paces);
    const std::vector<double>& t = timings.mean;
    std::printf("latency %d ms: sequential %.1f ms, concurrent %.1f ms, ratio %.2f\n", ms, t[0],
                t[1], t[1] / t[0]);
    std::printf("  first load: sequential %.1f ms, concurrent %.1f ms\n", timings.first[0],
                timings.first[1]);
    for (std::size_t k = 2; k < t.size(); ++k)
      std::printf("  concurrent from the start, width %d: %.1f ms, ratio %.2f\n", paces[k].width,
                  t[k], t[k] / t[0]);
    std::fflush(stdout);
  }
  return 0;
}
