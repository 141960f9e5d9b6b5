// Several real processes on one member's files: share modes (flock natively,
// Win32 share modes under Wine, all in one prefix) must keep every line
// whole and every memo.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ChildProcess.h"

namespace quorvel::test {
namespace {

constexpr int kWorkers = 4;

std::map<std::string, long> Counts(const std::string& report, std::vector<std::string>* sent) {
  std::map<std::string, long> out;
  std::size_t start = 0;
  const std::string text = ReadFileBytes(report);
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) {
      const std::string key = line.substr(0, eq);
      if (key == "sent" && sent) sent->push_back(line.substr(eq + 1));
      else if (key != "tornline") out[key] = std::atol(line.c_str() + eq + 1);
    }
    start = end + 1;
  }
  return out;
}

using StoreConcurrencyTest = StoreTest;

TEST_F(StoreConcurrencyTest, RewritersAndReadersNeverSeeATornLine) {
  StatusRecord r = Member("busy");
  r.group = "g";
  MakeFolder(GroupFolderPath(r.serverName, r.group));
  r.name = "W0";
  r.status = "0.0.";
  r.status.resize(60, 'a');
  ASSERT_TRUE(WriteStatus(platform, r, true));

  std::vector<std::unique_ptr<ChildProcess>> workers;
  for (int i = 0; i < kWorkers; ++i)
    workers.push_back(std::make_unique<ChildProcess>(std::vector<std::string>{
        HelperProgram("quorvel_store_worker"), "status", r.serverName, r.group, r.code,
        std::to_string(i), "2500", share / ("report" + std::to_string(i))}));
  long writes = 0, reads = 0, failures = 0;
  for (int i = 0; i < kWorkers; ++i) {
    EXPECT_EQ(workers[i]->Wait(), 0) << ReadFileBytes(share / ("report" + std::to_string(i)));
    std::map<std::string, long> c = Counts(share / ("report" + std::to_string(i)), nullptr);
    EXPECT_EQ(c["torn"], 0);
    EXPECT_EQ(c["unexplained"], 0);
    writes += c["ok"];
    reads += c["reads"];
    failures += c["failed"] + c["readFailed"];
  }
  EXPECT_GT(writes, 0);
  EXPECT_GT(reads, 0);
  std::printf("status: %ld writes, %ld reads, %ld sharing violations after retries\n", writes,
              reads, failures);
}

TEST_F(StoreConcurrencyTest, ConcurrentSendersLoseNoMemo) {
  StatusRecord to = Member("inbox");
  to.group = "g";
  MakeFolder(GroupFolderPath(to.serverName, to.group));
  ASSERT_TRUE(WriteStatus(platform, to, true));

  std::vector<std::unique_ptr<ChildProcess>> workers;
  for (int i = 0; i < kWorkers; ++i)
    workers.push_back(std::make_unique<ChildProcess>(std::vector<std::string>{
        HelperProgram("quorvel_store_worker"), "memo", to.serverName, to.group, to.code,
        std::to_string(i), "24", share / ("report" + std::to_string(i))}));
  std::vector<std::string> sent;
  for (int i = 0; i < kWorkers; ++i) {
    EXPECT_EQ(workers[i]->Wait(), 0);
    EXPECT_EQ(Counts(share / ("report" + std::to_string(i)), &sent)["unexplained"], 0);
  }
  ASSERT_TRUE(ReadMemos(platform, to));
  std::map<std::string, int> arrived;
  for (int i = 0; i < to.memoCount; ++i) ++arrived[to.memoLines[i]];
  EXPECT_EQ(static_cast<std::size_t>(to.memoCount), sent.size());
  for (const std::string& memo : sent) EXPECT_EQ(arrived[memo], 1) << memo;
  EXPECT_GT(sent.size(), 0u);
}

}  // namespace
}  // namespace quorvel::test
