#include "store/MemoFile.h"

#include "store/StatusFile.h"
#include "store/TextCodec.h"
#include "tests/store/StoreFixture.h"

namespace quorvel::test {
namespace {

const char kCannotSend[] = "伝言が作成できません";
const char kTooMany[] = "伝言の最大件数を越えています";
const char kOverLimit[] = "伝言の件数が制限を越えています";
const char kCannotRewrite[] = "伝言ファイルが作成できません";

std::string Repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

std::string Lines(int n, const std::string& prefix = "m") {
  std::string out;
  for (int i = 0; i < n; ++i) out += prefix + std::to_string(i) + "\n";
  return out;
}

class MemoFileTest : public StoreTest {
 protected:
  // A member with a status file, so that memos can be sent to it.
  StatusRecord Addressee(const std::string& code = "to") {
    StatusRecord r = Member(code);
    WriteFileBytes(StatusFilePath(r), "x " + Encode(code) + " =00 =00\n");
    return r;
  }
  std::vector<std::string> Held(const StatusRecord& r) {
    return std::vector<std::string>(r.memoLines.begin(), r.memoLines.begin() + r.memoCount);
  }
};

TEST_F(MemoFileTest, SentMemosAppendOneEscapedLineEach) {
  StatusRecord to = Addressee();
  ASSERT_TRUE(SendMemo(platform, to, "Call me 3pm"));
  ASSERT_TRUE(SendMemo(platform, to, "営業"));
  EXPECT_EQ(ReadFileBytes(MemoFilePath(to)), "Call=20me=203pm\n=89c=8B=C6\n");
  StatusRecord back = Member("to");
  ASSERT_TRUE(ReadMemos(platform, back));
  EXPECT_EQ(Held(back), (std::vector<std::string>{"Call me 3pm", "営業"}));
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_TRUE(clock.waits.empty());
}

TEST_F(MemoFileTest, SendRefusesMissingFieldsAndAbsentAddressees) {
  StatusRecord to = Addressee();
  struct Case {
    std::string server, group, code, message;
  };
  const Case cases[] = {
      {"", "g", "c", "サーバ名が設定されていません"},
      {"s", "", "", "グループが設定されていません"},
      {"s", "g", "", "コードが設定されていません"},
      {to.serverName, to.group, "gone", "宛先の人が見つかりません"},
      {share / "nowhere", to.group, "to", "宛先の人が見つかりません"},
  };
  // A memo file left behind by a removed member does not make it an addressee.
  StatusRecord gone = Member("gone");
  WriteFileBytes(MemoFilePath(gone), "");
  for (const Case& c : cases) {
    prompt.Clear();
    StatusRecord r;
    r.serverName = c.server;
    r.group = c.group;
    r.code = c.code;
    EXPECT_FALSE(SendMemo(platform, r, "hi"));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{c.message});
  }
  EXPECT_EQ(ReadFileBytes(MemoFilePath(gone)), "");
}

TEST_F(MemoFileTest, NinetyNineLinesAreTheMostSendAccepts) {
  StatusRecord to = Addressee();
  // Empty lines, such as a delete broken off leaves, are no memos.
  WriteFileBytes(MemoFilePath(to), Lines(98) + std::string(200, '\n'));
  ASSERT_TRUE(SendMemo(platform, to, "last"));
  const std::string full = ReadFileBytes(MemoFilePath(to));
  EXPECT_EQ(full, Lines(98) + std::string(200, '\n') + "last\n");
  EXPECT_FALSE(SendMemo(platform, to, "one more"));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kTooMany});
  EXPECT_EQ(ReadFileBytes(MemoFilePath(to)), full);
}

TEST_F(MemoFileTest, TypedMemoIsStoredWholeAndLongerOnesCutCleanly) {
  StatusRecord to = Addressee();
  const std::string typed = Repeat("日", 64);  // 128 bytes, 384 escaped
  const std::string tooLong = "a" + Repeat("日", 80);
  ASSERT_TRUE(SendMemo(platform, to, typed));
  ASSERT_TRUE(SendMemo(platform, to, tooLong));
  StatusRecord back = Member("to");
  ASSERT_TRUE(ReadMemos(platform, back));
  ASSERT_EQ(back.memoCount, 2);
  EXPECT_EQ(back.memoLines[0], typed);
  EXPECT_EQ(back.memoLines[1], "a" + Repeat("日", 63));  // 1 + 63 * 6 = 379 escaped bytes
}

TEST_F(MemoFileTest, SendWaitsOutAHolderThenGivesUp) {
  StatusRecord to = Addressee();
  WriteFileBytes(MemoFilePath(to), "old\n");
  {
    std::unique_ptr<File> held = Hold(MemoFilePath(to));
    EXPECT_FALSE(SendMemo(platform, to, "hi"));
  }
  EXPECT_EQ(clock.waits, (std::vector<int>{500, 500, 500}));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotSend});
  EXPECT_EQ(ReadFileBytes(MemoFilePath(to)), "old\n");

  // A folder where the memo file should be: no waits, the same message.
  clock.waits.clear();
  prompt.Clear();
  StatusRecord dir = Addressee("dir");
  MakeFolder(MemoFilePath(dir));
  EXPECT_FALSE(SendMemo(platform, dir, "hi"));
  EXPECT_TRUE(clock.waits.empty());
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotSend});
  EXPECT_FALSE(ReadMemos(platform, dir));
}

TEST_F(MemoFileTest, AMemoIsNeverGluedToAnUnendedLastLine) {
  StatusRecord to = Addressee();
  WriteFileBytes(MemoFilePath(to), "hand=20made");
  ASSERT_TRUE(SendMemo(platform, to, "new"));
  EXPECT_EQ(ReadFileBytes(MemoFilePath(to)), "hand=20made\nnew\n");
  // ...and the unended line counts against the limit.
  WriteFileBytes(MemoFilePath(to), Lines(98) + "tail");
  EXPECT_FALSE(SendMemo(platform, to, "new"));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kTooMany});
}

TEST_F(MemoFileTest, ReadTakesNonEmptyEndedLines) {
  struct Case {
    std::string content;
    std::vector<std::string> memos;
  };
  const Case cases[] = {
      {"", {}},
      {"\n\n\n", {}},
      {"\na\n\nb=20c\n\n", {"a", "b c"}},
      {"a\nunended", {"a"}},
      {"a\r\n", {"a\r"}},  // a raw carriage return is part of the line
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
      // Lines the old sender cut inside an escape still read as they did.
      {"x=8\n=4\n", {"x?8", "?4"}},
  };
  for (const Case& c : cases) {
    StatusRecord r = Member("r");
    WriteFileBytes(MemoFilePath(r), c.content);
    r.memoCount = 3;
    ASSERT_TRUE(ReadMemos(platform, r)) << c.content;
    EXPECT_EQ(Held(r), c.memos) << c.content;
  }
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MemoFileTest, ReadHoldsNinetyNineAndSaysSo) {
  StatusRecord r = Member("r");
  WriteFileBytes(MemoFilePath(r), Lines(100));
  ASSERT_TRUE(ReadMemos(platform, r));
  EXPECT_EQ(r.memoCount, 99);
  EXPECT_EQ(r.memoLines[98], "m98");
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kOverLimit});

  prompt.Clear();
  WriteFileBytes(MemoFilePath(r), Lines(99) + "\n\n");
  ASSERT_TRUE(ReadMemos(platform, r));
  EXPECT_EQ(r.memoCount, 99);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MemoFileTest, LongLinesReadWholeUpToTheirLimitThenCleanly) {
  const std::string line1000 = Repeat("=93=FA", 166) + "abcd";  // 1,000 escaped bytes
  const std::string line2000 = Repeat("=93=FA", 333) + "ab";    // 2,000 escaped bytes
  StatusRecord r = Member("r");
  WriteFileBytes(MemoFilePath(r), line1000 + "\n" + line2000 + "\n");
  ASSERT_TRUE(ReadMemos(platform, r));
  ASSERT_EQ(r.memoCount, 2);
  EXPECT_EQ(r.memoLines[0], Repeat("日", 166) + "abcd");
  EXPECT_EQ(r.memoLines[1], Repeat("日", 170));  // 170 * 6 = 1,020 escaped bytes
}

TEST_F(MemoFileTest, HugeFilesReadOnlyTheirFirstMegabyte) {
  StatusRecord r = Member("r");
  std::string big = Lines(3) + std::string(10u << 20, 'x') + "\n" + Lines(3, "late");
  WriteFileBytes(MemoFilePath(r), big);
  ASSERT_TRUE(ReadMemos(platform, r));
  EXPECT_EQ(Held(r), (std::vector<std::string>{"m0", "m1", "m2"}));

  WriteFileBytes(MemoFilePath(r), Repeat(std::string(1000, 'q') + "\n", 10000));
  ASSERT_TRUE(ReadMemos(platform, r));
  EXPECT_EQ(r.memoCount, 99);
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kOverLimit});
}

TEST_F(MemoFileTest, FailedReadsLeaveTheMemosInMemory) {
  StatusRecord r = Member("r");
  r.memoCount = 1;
  r.memoLines[0] = "kept";
  EXPECT_FALSE(ReadMemos(platform, r));  // no file
  WriteFileBytes(MemoFilePath(r), "a\n");
  {
    std::unique_ptr<File> held = Hold(MemoFilePath(r));
    EXPECT_FALSE(ReadMemos(platform, r));
  }
  EXPECT_EQ(clock.waits, (std::vector<int>{500, 500, 500}));
  EXPECT_EQ(Held(r), std::vector<std::string>{"kept"});
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MemoFileTest, WriteKeepsNonEmptyMemosInOrder) {
  StatusRecord r = Member("w");
  WriteFileBytes(MemoFilePath(r), Lines(5));
  r.memoCount = 4;
  r.memoLines[0] = "a b";
  r.memoLines[2] = "c";
  // A character is never split by the 256-byte cut.
  r.memoLines[3] = std::string(255, 'x') + "日";
  r.memoLines[4] = "beyond the count";
  ASSERT_TRUE(WriteMemos(platform, r));
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "a=20b\nc\n" + std::string(255, 'x') + "\n");

  r.memoCount = 1;
  r.memoLines[0].clear();
  ASSERT_TRUE(WriteMemos(platform, r));
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "");
  EXPECT_TRUE(PathExists(MemoFilePath(r)));
  ASSERT_TRUE(ReadMemos(platform, r));
  EXPECT_EQ(r.memoCount, 0);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MemoFileTest, WriteFailuresAreReported) {
  StatusRecord r = Member("w");
  WriteFileBytes(MemoFilePath(r), "old\n");
  r.memoCount = 1;
  r.memoLines[0] = "new";
  {
    std::unique_ptr<File> held = Hold(MemoFilePath(r));
    EXPECT_FALSE(WriteMemos(platform, r));
  }
  EXPECT_TRUE(clock.waits.empty()) << "one attempt only";
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "old\n");
  StatusRecord lost = r;
  lost.serverName = share / "nowhere";
  EXPECT_FALSE(WriteMemos(platform, lost));
  lost.serverName.clear();
  EXPECT_FALSE(WriteMemos(platform, lost));
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kCannotRewrite, kCannotRewrite,
                                                      "サーバ名が設定されていません"}));
}

TEST_F(MemoFileTest, DeleteMemoRemovesOneLineAndKeepsEveryOtherByte) {
  StatusRecord r = Member("d");
  WriteFileBytes(MemoFilePath(r), "\na\n\nb\r\nc\ntail");
  ASSERT_TRUE(DeleteMemo(platform, r, 1, "b\r"));
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "\na\n\nc\ntail");
  for (int at : {-1, 1, 99}) EXPECT_FALSE(DeleteMemo(platform, r, at, "b\r")) << at;
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "\na\n\nc\ntail");
  EXPECT_TRUE(prompt.shown.empty());
  ASSERT_TRUE(DeleteMemo(platform, r, 0, "a"));
  ASSERT_TRUE(DeleteMemo(platform, r, 0, "c"));
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "\n\ntail");
}

// What a list showed at a position, against the file as another desk of the
// same member has changed it since.
TEST_F(MemoFileTest, DeleteMemoTakesTheSelectedMemoWhereverItNowStands) {
  struct Case {
    const char* file;
    int shownAt;
    const char* memo;
    bool deleted;
    const char* after;
  };
  const Case cases[] = {
      {"Call=20me\nB\nC\n", 1, "B", true, "Call=20me\nC\n"},  // nothing moved
      {"B\nC\n", 1, "B", true, "C\n"},                          // A was deleted meanwhile
      {"A\nC\n", 1, "B", false, "A\nC\n"},                      // B itself was deleted
      {"X\n\nX\nB\n", 2, "X", true, "X\n\nB\n"},             // the X nearest its place
      {"X\nA\nX\n", 1, "X", true, "A\nX\n"},                   // as near: the earlier one
      {"A\nCall=20me\n", 0, "Call me", true, "A\n"},             // by its text as shown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    StatusRecord r = Member("d");
    WriteFileBytes(MemoFilePath(r), c.file);
    EXPECT_EQ(DeleteMemo(platform, r, c.shownAt, c.memo), c.deleted);
    EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), c.after);
  }
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MemoFileTest, DeleteMemoKeepsAMemoSentMeanwhile) {
  StatusRecord to = Addressee();
  ASSERT_TRUE(SendMemo(platform, to, "first"));
  ASSERT_TRUE(SendMemo(platform, to, "second"));
  StatusRecord board = Member("to");
  ASSERT_TRUE(ReadMemos(platform, board));  // what the message board shows
  ASSERT_TRUE(SendMemo(platform, to, "arrived meanwhile"));
  ASSERT_TRUE(DeleteMemo(platform, board, 0, "first"));
  ASSERT_TRUE(ReadMemos(platform, board));
  EXPECT_EQ(Held(board), (std::vector<std::string>{"second", "arrived meanwhile"}));
}

TEST_F(MemoFileTest, DeleteMemoOnHugeAndHeldFiles) {
  StatusRecord r = Member("d");
  const std::string rest = Lines(5) + std::string(3u << 20, 'z') + "\nend\n";
  WriteFileBytes(MemoFilePath(r), "gone\n" + rest);
  ASSERT_TRUE(DeleteMemo(platform, r, 0, "gone"));
  EXPECT_TRUE(ReadFileBytes(MemoFilePath(r)) == rest);

  {
    std::unique_ptr<File> held = Hold(MemoFilePath(r));
    EXPECT_FALSE(DeleteMemo(platform, r, 0, "m0"));
  }
  EXPECT_EQ(clock.waits, (std::vector<int>{500, 500, 500}));
  StatusRecord missing = Member("none");
  EXPECT_FALSE(DeleteMemo(platform, missing, 0, "m0"));
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kCannotSend, kCannotSend}));
  EXPECT_FALSE(PathExists(MemoFilePath(missing)));
  EXPECT_TRUE(ReadFileBytes(MemoFilePath(r)) == rest);
}

}  // namespace
}  // namespace quorvel::test
