// How much LoadMembers costs over the bare file work it cannot avoid: a
// 99-member group loaded again and again, against a loop that only opens,
// reads and closes the same 99 status files. Usage: quorvel_bench_load [rounds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "store/GroupMembership.h"
#include "store/StatusFile.h"
#include "store/TextCodec.h"
#include "tests/bench/BenchGroup.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quorvel;
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
  test::TempDir share;
  std::unique_ptr<FileSystem> files = test::MakeRealFileSystem();
  std::unique_ptr<Clock> clock = test::MakeRealClock();
  SilentPrompt prompt;
  Platform platform{*files, *clock, prompt};

  std::vector<std::string> paths;
  if (!bench::WriteFullGroup(platform, share.Path(), &paths)) return 1;

  MemberList list;
  list.serverName = share.Path();
  list.group = bench::kGroup;
  long sink = 0;
  auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < rounds; ++n) {
    LoadMembers(platform, list);
    sink += list.memberCount;
  }
  const double load = Seconds(std::chrono::steady_clock::now() - start);

  start = std::chrono::steady_clock::now();
  std::string bytes;
  for (int n = 0; n < rounds; ++n) {
    for (const std::string& path : paths) {
      OpenResult r = files->Open(path, FileAccess::Read, FileShare::Read,
                                 FileDisposition::OpenExisting);
      if (r.file && r.file->Read(bytes, kStatusReadMax)) sink += static_cast<long>(bytes.size());
    }
  }
  const double bare = Seconds(std::chrono::steady_clock::now() - start);

  std::printf("%s: %d rounds of 99 members (checksum %ld)\n", test::PlatformName(), rounds, sink);
  std::printf("LoadMembers      %8.3f ms per load\n", load * 1000 / rounds);
  std::printf("open/read/close  %8.3f ms per 99 files\n", bare * 1000 / rounds);
  std::printf("ratio            %8.2f\n", bare > 0 ? load / bare : 0.0);
  return 0;
}
