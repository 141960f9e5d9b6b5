// The failure paths of the operations that change files: each file call an
// operation makes fails in turn. Every time the operation must say so with
// its own message and leave the files as they were (a memo deletion that
// got as far as taking its memo out is done, at worst with empty lines).
#include <cstdio>
#include <functional>

#include "store/GroupListFile.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/FaultyFileSystem.h"

namespace quorvel::test {
namespace {

const char kCannotWrite[] = "状況ファイルが作成できません";
const char kCannotSend[] = "伝言が作成できません";
const char kNoAddressee[] = "宛先の人が見つかりません";
const char kCannotRewrite[] = "伝言ファイルが作成できません";
const char kCannotWriteList[] = "グループ情報ファイルが作成できません";

class StoreFaultTest : public StoreTest {
 protected:
  // Sets the starting files, then runs the operation with call 1, 2, ...
  // failing until a run makes fewer calls than the one set to fail; after
  // each failed run, `check` looks at the result. Returns the calls that the
  // operation makes when nothing fails.
  int FailEachCall(const std::function<void()>& prepare, const std::function<bool()>& operation,
                   const std::function<void(bool)>& check) {
    for (int n = 1; n < 100; ++n) {
      prepare();
      prompt.Clear();
      faulty.calls = 0;
      faulty.log.clear();
      faulty.failAt = n;
      const bool result = operation();
      if (faulty.calls < n) {
        EXPECT_TRUE(result) << "nothing failed";
        return faulty.calls;
      }
      SCOPED_TRACE("call " + std::to_string(n) + ", " + faulty.log[n - 1] + ", failed");
      check(result);
    }
    ADD_FAILURE() << "the operation never ran through";
    return 0;
  }

  void SetFile(const std::string& path, const char* bytes) {
    if (bytes != nullptr) {
      WriteFileBytes(path, bytes);
    } else if (PathExists(path)) {
      std::remove(NativePath(path).c_str());
    }
  }
  void ExpectFile(const std::string& path, const char* bytes) {
    EXPECT_EQ(PathExists(path), bytes != nullptr);
    if (bytes != nullptr) {
      EXPECT_EQ(ReadFileBytes(path), bytes);
    }
  }

  std::unique_ptr<FileSystem> real = MakeRealFileSystem();
  FaultyFileSystem faulty{*real};
  Platform broken{faulty, clock, prompt};
};

TEST_F(StoreFaultTest, WriteStatusKeepsTheOldLineAndTheRecord) {
  // Longer and shorter than the new line, and no file yet.
  for (const char* old : {"Old a Out=20until=20five=20today 1999010100000000\n", "O a I 1\n",
                          static_cast<const char*>(nullptr)}) {
    StatusRecord r = Member("a");
    const int calls = FailEachCall([&] { SetFile(StatusFilePath(r), old); },
                                   [&] {
                                     r.name = "New";
                                     r.stamp = "1990010100000000";
                                     return WriteStatus(broken, r, true);
                                   },
                                   [&](bool result) {
                                     EXPECT_FALSE(result);
                                     EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotWrite});
                                     EXPECT_EQ(r.stamp, "1990010100000000");
                                     ExpectFile(StatusFilePath(r), old);
                                   });
    EXPECT_GE(calls, 3);
    EXPECT_EQ(ReadFileBytes(StatusFilePath(r)), "New a =00 1999061509301500\n");
  }
}

TEST_F(StoreFaultTest, SendMemoAddsAWholeLineOrNothing) {
  for (const char* old : {"one\ntwo\n", "unended", static_cast<const char*>(nullptr)}) {
    StatusRecord to = Member("to");
    WriteFileBytes(StatusFilePath(to), "x to =00 =00\n");
    FailEachCall([&] { SetFile(MemoFilePath(to), old); },
                 [&] { return SendMemo(broken, to, "hi there"); },
                 [&](bool result) {
                   EXPECT_FALSE(result);
                   // A failed search finds no addressee; everything after it
                   // is the memo that could not be made.
                   const std::string& failed = faulty.log[static_cast<std::size_t>(faulty.failAt - 1)];
                   EXPECT_EQ(prompt.Texts(), std::vector<std::string>{
                                                 failed == "Find" || failed == "Next" ? kNoAddressee
                                                                                      : kCannotSend});
                   ExpectFile(MemoFilePath(to), old);
                 });
  }
}

TEST_F(StoreFaultTest, DeleteMemoLosesNoOtherMemo) {
  const std::string old = "first\nsecond=20memo\nthird\n";
  StatusRecord r = Member("d");
  FailEachCall([&] { WriteFileBytes(MemoFilePath(r), old); },
               [&] { return DeleteMemo(broken, r, 1, "second memo"); },
               [&](bool result) {
                 const std::string bytes = ReadFileBytes(MemoFilePath(r));
                 if (result) {
                   // The memo went with the first write; a later step that
                   // failed left only empty lines behind.
                   EXPECT_TRUE(prompt.shown.empty());
                   StatusRecord back = Member("d");
                   ASSERT_TRUE(ReadMemos(platform, back));
                   EXPECT_EQ(back.memoCount, 2) << bytes;
                   EXPECT_EQ(back.memoLines[0] + " " + back.memoLines[1], "first third") << bytes;
                   return;
                 }
                 ASSERT_EQ(prompt.Texts().size(), 1u);
                 EXPECT_TRUE(prompt.Texts()[0] == kCannotSend || prompt.Texts()[0] == kCannotRewrite);
                 EXPECT_EQ(bytes, old);
               });
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "first\nthird\n");
}

TEST_F(StoreFaultTest, WriteMemosKeepsTheOldFile) {
  for (const char* old : {"a\nb\nc\nd\n", static_cast<const char*>(nullptr)}) {
    StatusRecord r = Member("w");
    r.memoCount = 2;
    r.memoLines[0] = "x y";
    r.memoLines[1] = "z";
    FailEachCall([&] { SetFile(MemoFilePath(r), old); }, [&] { return WriteMemos(broken, r); },
                 [&](bool result) {
                   EXPECT_FALSE(result);
                   EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotRewrite});
                   ExpectFile(MemoFilePath(r), old);
                 });
    EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "x=20y\nz\n");
  }
}

TEST_F(StoreFaultTest, WriteGroupListKeepsTheOldListAndNoLeftover) {
  const std::string path = share / "QVL.gl";
  RegisteredGroups groups;
  groups.count = 1;
  groups.serverNames[0] = "\\\\sv";
  groups.groups[0] = "g";
  for (const char* old : {"=5C=5Csv old\n", static_cast<const char*>(nullptr)}) {
    FailEachCall([&] { SetFile(path, old); }, [&] { return WriteGroupList(broken, groups, path); },
                 [&](bool result) {
                   EXPECT_FALSE(result);
                   EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotWriteList});
                   ExpectFile(path, old);
                   EXPECT_FALSE(PathExists(path + ".new"));
                 });
    EXPECT_EQ(ReadFileBytes(path), "=5C=5Csv g\n");
  }
}

}  // namespace
}  // namespace quorvel::test
