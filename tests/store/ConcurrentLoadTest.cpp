// A load that reads from several threads must hand back what a load one by
// one hands back, whatever order the share answers in.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <stdexcept>
#include <thread>
#include <tuple>

#include "store/ConcurrentReads.h"
#include "store/ReaderPool.h"
#include "store/GroupMembership.h"
#include "store/TextCodec.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/Deadline.h"
#include "tests/support/SlowFileSystem.h"

namespace quorvel::test {
namespace {

// A share whose calls take a random while, so they end in any order; some
// files refuse their first opens as if another desk held them, some have
// gone since the search. Every open is logged per path.
class RestlessShare : public SlowFileSystem {
 public:
  explicit RestlessShare(FileSystem& inner)
      : SlowFileSystem(inner, [this] {
          std::lock_guard<std::mutex> lock(m_);
          return std::chrono::microseconds(random_() % 400);
        }) {}

  OpenResult Open(const std::string& path, FileAccess access, FileShare share,
                  FileDisposition disposition) override {
    OpenResult refused;
    {
      std::lock_guard<std::mutex> lock(m_);
      opens[path].emplace_back(access, share, disposition);
      readers.insert(std::this_thread::get_id());
      if (gone.count(path)) refused.error = FileError::NotFound;
      if (held[path] > 0) {
        --held[path];
        refused.error = FileError::SharingViolation;
      }
    }
    if (refused.error != FileError::None) return refused;
    return SlowFileSystem::Open(path, access, share, disposition);
  }

  std::map<std::string, int> held;  // path: opens still refused
  std::set<std::string> gone;
  std::map<std::string, std::vector<std::tuple<FileAccess, FileShare, FileDisposition>>> opens;
  std::set<std::thread::id> readers;

 private:
  std::mutex m_;
  std::mt19937 random_{20240611};
};

using ConcurrentLoadTest = StoreTest;

TEST_F(ConcurrentLoadTest, ListsWhatALoadOneByOneLists) {
  const std::string folder = GroupFolderPath(share.Path(), "営業");
  MakeFolder(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < 99; ++i) {  // as many as a list holds: one message
    const std::string code = "m" + std::to_string(300 - i * 7 % 200);
    const std::string content = i % 9 == 0 ? "" : i % 9 == 1 ? "Solo" : i % 9 == 2
        ? std::string(600, 'x') : "N" + std::to_string(i) + " " + code + " In " + "19990615\n";
    paths.push_back(folder + "\\" + Encode(code) + ".sta");
    WriteFileBytes(paths.back(), content);
  }
  std::unique_ptr<File> heldByAnotherDesk = Hold(paths[5]);

  struct Load {
    MemberList list;
    std::vector<std::string> messages;
    std::vector<int> waits;
    decltype(RestlessShare::opens) opens;
    std::size_t threads;
  };
  auto load = [&](const ReadPace& pace) {
    RestlessShare restless(platform.files);
    for (int i = 10; i < 40; i += 3) restless.held[paths[i]] = i % 2 + 1;  // then readable
    restless.held[paths[11]] = 3;                                         // never readable
    for (int i = 50; i < 60; i += 4) restless.gone.insert(paths[i]);
    Platform p{restless, clock, prompt};
    Load l;
    l.list.serverName = share.Path();
    l.list.group = "営業";
    for (StatusRecord& r : l.list.members) r.name = r.status = r.stamp = "stale";
    prompt.Clear();
    clock.waits.clear();
    LoadMembers(p, l.list, pace);
    std::sort(clock.waits.begin(), clock.waits.end());
    return Load{l.list, prompt.Texts(), clock.waits, restless.opens, restless.readers.size()};
  };
  const Load one = load(ReadPace{1, {}});
  const Load wide = load(ReadPace{ReadPace().width, {}});

  EXPECT_EQ(one.threads, 1u);
  EXPECT_GT(wide.threads, 1u) << "the reads ran on one thread only";
  ASSERT_EQ(one.list.memberCount, 99);
  ASSERT_EQ(wide.list.memberCount, 99);
  for (int i = 0; i < 99; ++i) {
    const StatusRecord& a = one.list.members[i];
    const StatusRecord& b = wide.list.members[i];
    EXPECT_EQ(std::tie(a.serverName, a.group, a.code, a.name, a.status, a.stamp, a.memoCount),
              std::tie(b.serverName, b.group, b.code, b.name, b.status, b.stamp, b.memoCount))
        << i << " " << a.code;
  }
  EXPECT_EQ(one.messages, std::vector<std::string>{"グループのメンバー数が上限を越えています"});
  EXPECT_EQ(wide.messages, one.messages);
  EXPECT_EQ(wide.waits, one.waits);
  EXPECT_EQ(one.waits.size(), 21u);  // 15 retries that end well, 2 x 3 that give up
  EXPECT_EQ(wide.opens, one.opens) << "the same opens, share modes and retries per file";
}

// Reads that show messages: each thread's are held, then shown on the
// calling thread in the order of the reads, as one by one would show them.
TEST_F(ConcurrentLoadTest, MessagesComeAfterTheReadsOnTheCallingThread) {
  struct ThreadPrompt : RecordingPrompt {
    void Alert(const std::string& text) override {
      threads.insert(std::this_thread::get_id());
      RecordingPrompt::Alert(text);
    }
    std::set<std::thread::id> threads;
  } shown;
  std::vector<std::atomic<int>> reads(40);
  std::vector<std::string> expected;
  for (int i = 0; i < 40; i += 7) expected.insert(expected.end(), {"a" + std::to_string(i),
                                                                   "b" + std::to_string(i)});
  Platform p{platform.files, clock, shown};
  ReadEach(p, 40, ReadPace{6, {}}, {}, [&](Platform& on, int i) {
    std::this_thread::sleep_for(std::chrono::microseconds(300));
    ++reads[i];
    if (i % 7 == 0) {
      on.prompt.Alert("a" + std::to_string(i));
      on.prompt.Alert("b" + std::to_string(i));
    }
  });
  for (int i = 0; i < 40; ++i) EXPECT_EQ(reads[i], 1) << i;
  EXPECT_EQ(shown.Texts(), expected);
  EXPECT_EQ(shown.threads, std::set<std::thread::id>{std::this_thread::get_id()});

  // A read that throws stops the others; the caller gets the exception.
  EXPECT_THROW(ReadEach(p, 40, ReadPace{6, {}}, {},
                        [](Platform&, int i) {
                          if (i == 5) throw std::runtime_error("read failed");
                        }),
               std::runtime_error);
}

// One slow read may be the machine pausing: the reads stay on the calling
// thread. Two in a row are the share, and so is a slow search alone: the
// rest go to other threads.
TEST_F(ConcurrentLoadTest, ASlowSearchOrTwoSlowReadsInARowSendTheRestToOtherThreads) {
  const ReadPace pace{4, std::chrono::milliseconds(5)};
  const std::thread::id caller = std::this_thread::get_id();
  struct Case {
    std::chrono::milliseconds search;
    std::vector<int> slow;
    bool wide;
  };
  for (const Case& c : {Case{{}, {3}, false}, Case{{}, {3, 4}, true},
                        Case{std::chrono::milliseconds(5), {}, true}}) {
    std::mutex m;
    std::set<int> elsewhere;
    ReadEach(platform, 30, pace, c.search, [&](Platform&, int i) {
      if (std::count(c.slow.begin(), c.slow.end(), i)) std::this_thread::sleep_for(pace.slowCall * 4);
      if (i > 4) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      std::lock_guard<std::mutex> lock(m);
      if (std::this_thread::get_id() != caller) elsewhere.insert(i);
    });
    EXPECT_EQ(!elsewhere.empty(), c.wide) << c.search.count() << " ms, " << c.slow.size();
    if (!c.slow.empty()) {
      EXPECT_EQ(elsewhere.count(4), 0u);
    }
  }
}

// Runs that no thread began when the caller's own part ends are dropped,
// so a pool that may start no thread never keeps the caller waiting.
TEST(ReaderPool, EndsWithTheCallersPartWhenNoThreadMayStart) {
  Deadline deadline(std::chrono::seconds(10), "a run that never began");
  ReaderPool pool;
  std::atomic<int> jobs{0};
  int own = 0;
  pool.RunBeside(8, [&] { ++jobs; }, [&] { ++own; }, [] { return false; });
  EXPECT_EQ(own, 1);
  EXPECT_EQ(jobs.load(), 0);
}

// Under Wine each thread takes a millisecond or more to start: the caller
// reads while the missing threads are started, not after. The second ask
// comes from a thread being started, which waits for the caller's part.
TEST(ReaderPool, TheCallerReadsWhileTheThreadsAreStarted) {
  Deadline deadline(std::chrono::seconds(20), "a run whose threads wait for its caller");
  std::atomic<bool> ownBegun{false};
  std::atomic<int> asked{0};
  bool ownBegunWhenAsked = false;
  // A pool of its own, whose threads are all still to start; it starts
  // threads, so it may never end.
  ReaderPool* const pool = new ReaderPool;
  pool->RunBeside(
      200, [] {},
      [&] {
        ownBegun = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
      },
      [&] {
        if (asked++ != 1) return true;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!ownBegun && std::chrono::steady_clock::now() < until)
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ownBegunWhenAsked = ownBegun;
        return true;
      });
  EXPECT_TRUE(ownBegunWhenAsked);
}

}  // namespace
}  // namespace quorvel::test
