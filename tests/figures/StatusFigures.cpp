// How often a reader of the shared folder finds a status file empty or torn
// while other processes rewrite theirs. Usage:
//   quorvel_status_figures <folder> <seconds> <processes> <desk>
// starts <processes> workers of itself on the group "g" under <folder>
// (made when missing). Each worker rewrites its own member's status as fast
// as it can and, between writes, lists the group and reads every member.
// An empty read is counted apart when that reader has not yet seen the
// member's first line: the file then exists, empty, from its creation on.
// Run two desks at once on one folder (two Wine prefixes, whose share modes
// do not meet) with tests/figures/run-figures.sh. Run by hand, not by ctest.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "store/GroupMembership.h"
#include "store/StatusFile.h"
#include "store/TextCodec.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel {
namespace {

class SilentPrompt : public Prompt {
 public:
  void Alert(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

// A writer's status: its sequence number and a filler of a length that
// changes with it, so that a line mixed from two writes cannot pass.
std::string StatusOf(const std::string& code, long n) {
  std::string s = code + "." + std::to_string(n) + ".";
  s.resize(20 + static_cast<std::size_t>(n % 40), 'a' + static_cast<char>(n % 26));
  return s;
}

bool IsWhole(const StatusRecord& r) {
  const std::size_t dot = r.status.find('.', r.code.size() + 1);
  if (r.name != "N" + r.code || dot == std::string::npos) return false;
  const long n = std::atol(r.status.c_str() + r.code.size() + 1);
  return r.status == StatusOf(r.code, n) && r.stamp.size() == 16;
}

// The codes of the members in the group "g", as a listing finds them.
std::vector<std::string> MemberCodes(Platform& platform, const std::string& folder) {
  std::vector<std::string> codes;
  std::unique_ptr<FileSearch> search = platform.files.Find(GroupFolderPath(folder, "g") + "\\*.sta");
  FoundFile found;
  while (search->Next(found))
    if (!found.isFolder) codes.push_back(Decode(found.name.substr(0, found.name.size() - 4)));
  return codes;
}

int Worker(const std::string& folder, int seconds, const std::string& code,
           const std::string& report) {
  std::unique_ptr<FileSystem> files = test::MakeRealFileSystem();
  std::unique_ptr<Clock> clock = test::MakeRealClock();
  SilentPrompt prompt;
  Platform platform{*files, *clock, prompt};
  std::map<std::string, long> count;
  StatusRecord mine;
  mine.serverName = folder;
  mine.group = "g";
  mine.code = code;
  mine.name = "N" + code;
  std::set<std::string> seenWhole;  // an empty file of a member not in here is a new one
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (long n = 0; std::chrono::steady_clock::now() < end; ++n) {
    mine.status = StatusOf(code, n);
    ++count[WriteStatus(platform, mine, true) ? "writes" : "writes held"];
    for (const std::string& member : MemberCodes(platform, folder)) {
      StatusRecord seen;
      seen.serverName = folder;
      seen.group = "g";
      seen.code = member;
      ++count["reads"];
      if (!ReadStatus(platform, seen)) ++count["reads held"];
      else if (seen.name.empty()) ++count[seenWhole.count(seen.code) ? "empty" : "empty new"];
      else if (!IsWhole(seen)) ++count["torn"];
      else seenWhole.insert(seen.code);
    }
  }
  FILE* out = std::fopen(test::NativePath(report).c_str(), "wb");
  if (out == nullptr) return 2;
  for (const auto& [key, value] : count) std::fprintf(out, "%s=%ld\n", key.c_str(), value);
  std::fclose(out);
  return 0;
}

int Desk(const std::string& folder, int seconds, int processes, const std::string& desk) {
  std::unique_ptr<FileSystem> files = test::MakeRealFileSystem();
  files->CreateFolder(folder);
  files->CreateFolder(GroupFolderPath(folder, "g"));
  std::vector<std::unique_ptr<test::ChildProcess>> workers;
  std::vector<std::string> reports;
  for (int i = 0; i < processes; ++i) {
    const std::string code = desk + std::to_string(i);
    reports.push_back(folder + "\\report-" + code);
    workers.push_back(std::make_unique<test::ChildProcess>(std::vector<std::string>{
        test::HelperProgram("quorvel_status_figures"), "worker", folder, std::to_string(seconds),
        code, reports.back()}));
  }
  std::map<std::string, long> total;
  for (int i = 0; i < processes; ++i) {
    if (workers[static_cast<std::size_t>(i)]->Wait() != 0) return 1;
    const std::string text = test::ReadFileBytes(reports[static_cast<std::size_t>(i)]);
    for (std::size_t at = 0; at < text.size();) {
      std::size_t lf = text.find('\n', at);
      if (lf == std::string::npos) lf = text.size();
      const std::string line = text.substr(at, lf - at);
      const std::size_t eq = line.find('=');
      if (eq != std::string::npos) total[line.substr(0, eq)] += std::atol(line.c_str() + eq + 1);
      at = lf + 1;
    }
  }
  const long reads = total["reads"];
  const auto share = [&](long n) { return reads > 0 ? 100.0 * n / reads : 0.0; };
  std::printf("desk %s (%s), %d processes, %d s: %ld writes (%ld held), %ld reads: "
              "%ld empty (%.2f%%) and %ld more of a member before its first line, "
              "%ld torn (%.2f%%), %ld held past the retries\n",
              desk.c_str(), test::PlatformName(), processes, seconds, total["writes"],
              total["writes held"], reads, total["empty"], share(total["empty"]),
              total["empty new"], total["torn"], share(total["torn"]), total["reads held"]);
  return 0;
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
  if (argc == 6 && std::string(argv[1]) == "worker")
    return quorvel::Worker(argv[2], std::atoi(argv[3]), argv[4], argv[5]);
  if (argc == 5) return quorvel::Desk(argv[1], std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
  std::fprintf(stderr, "usage: quorvel_status_figures <folder> <seconds> <processes> <desk>\n");
  return 64;
}
