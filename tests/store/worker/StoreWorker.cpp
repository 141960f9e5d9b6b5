// A desk in a box: rewrites and reads one member's status file, or sends
// memos to one member, for the concurrency tests. Usage:
//   quorvel_store_worker status|memo <server> <group> <code> <id> <ms|count> <report> [pause ms]
// (memo: the pause between two sends, as a desk that writes them)
// Writes "key=value" lines to <report>; the exit code is 0 when every read
// was whole and every failure was a sharing violation outlasting the retries.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/Platform.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "tests/support/ForwardingFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel {
namespace {

// Remembers why the last open failed.
class WatchedFileSystem : public test::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override {
    OpenResult r = ForwardingFileSystem::Open(path, access, share, disposition);
    lastError = r.error;
    return r;
  }
  FileError lastError = FileError::None;
};

class CountingClock : public Clock {
 public:
  explicit CountingClock(Clock& inner) : inner_(inner) {}
  LocalTime Now() override { return inner_.Now(); }
  void Wait(int ms) override {
    ++waits;
    inner_.Wait(ms);
  }
  int waits = 0;

 private:
  Clock& inner_;
};

class SilentPrompt : public Prompt {
 public:
  void Alert(const std::string&) override { ++alerts; }
  bool AskYesNo(const std::string&) override { return false; }
  int alerts = 0;
};

// The status a writer writes: its id, a sequence number, and a filler of
// its own letter, so a torn or mixed line cannot pass for a whole one.
std::string StatusOf(int id, long n) {
  std::string s = std::to_string(id) + "." + std::to_string(n) + ".";
  s.resize(60, static_cast<char>('a' + id % 26));
  return s;
}

bool IsWhole(const StatusRecord& r) {
  if (r.name.size() < 2 || r.name[0] != 'W') return false;
  const int id = std::atoi(r.name.c_str() + 1);
  const std::size_t dot = r.status.find('.');
  if (dot == std::string::npos) return false;
  if (r.status.compare(0, dot, std::to_string(id)) != 0) return false;
  const long n = std::atol(r.status.c_str() + dot + 1);
  return r.status == StatusOf(id, n) && r.stamp.size() == 16;
}

int Run(int argc, char** argv) {
  if (argc != 8 && argc != 9) return 64;
  const int pauseMs = argc == 9 ? std::atoi(argv[8]) : 0;
  const std::string mode = argv[1];
  StatusRecord record;
  record.serverName = argv[2];
  record.group = argv[3];
  record.code = argv[4];
  const int id = std::atoi(argv[5]);
  const long amount = std::atol(argv[6]);
  FILE* report = std::fopen(test::NativePath(argv[7]).c_str(), "wb");
  if (report == nullptr) return 65;

  std::unique_ptr<FileSystem> real = test::MakeRealFileSystem();
  std::unique_ptr<Clock> realClock = test::MakeRealClock();
  WatchedFileSystem files(*real);
  CountingClock clock(*realClock);
  SilentPrompt prompt;
  Platform platform{files, clock, prompt};

  long ok = 0, failed = 0, unexplained = 0, reads = 0, readFailed = 0, torn = 0;
  // A failure counts as explained when the last open met a sharing violation
  // after all three waits, and (for writes) was reported to the user.
  auto explain = [&](int waitsBefore, int alertsBefore, bool reported) {
    const bool retried = clock.waits - waitsBefore == 3;
    const bool told = !reported || prompt.alerts - alertsBefore == 1;
    if (files.lastError != FileError::SharingViolation || !retried || !told) ++unexplained;
  };

  if (mode == "status") {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(amount);
    for (long n = 0; std::chrono::steady_clock::now() < end; ++n) {
      StatusRecord mine = record;
      mine.name = "W" + std::to_string(id);
      mine.status = StatusOf(id, n);
      int waits = clock.waits, alerts = prompt.alerts;
      if (WriteStatus(platform, mine, true)) {
        ++ok;
      } else {
        ++failed;
        explain(waits, alerts, true);
      }
      StatusRecord seen = record;
      waits = clock.waits;
      alerts = prompt.alerts;
      if (ReadStatus(platform, seen)) {
        ++reads;
        if (!IsWhole(seen)) {
          ++torn;
          std::fprintf(report, "tornline=%s|%s|%s\n", seen.name.c_str(), seen.status.c_str(),
                       seen.stamp.c_str());
        }
      } else {
        ++readFailed;
        explain(waits, alerts, false);
      }
    }
  } else if (mode == "memo") {
    for (long n = 0; n < amount; ++n) {
      const int waits = clock.waits, alerts = prompt.alerts;
      if (n > 0 && pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
      if (SendMemo(platform, record, "M" + std::to_string(id) + "_" + std::to_string(n))) {
        ++ok;
        std::fprintf(report, "sent=M%d_%ld\n", id, n);
      } else {
        ++failed;
        explain(waits, alerts, true);
      }
    }
  } else {
    std::fclose(report);
    return 64;
  }
  std::fprintf(report, "ok=%ld\nfailed=%ld\nunexplained=%ld\nreads=%ld\nreadFailed=%ld\ntorn=%ld\n",
               ok, failed, unexplained, reads, readFailed, torn);
  std::fclose(report);
  return torn == 0 && unexplained == 0 ? 0 : 1;
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) { return quorvel::Run(argc, argv); }
