#include "store/StatusFile.h"

#include <algorithm>
#include <cstdio>

#include "store/TextCodec.h"
#include "tests/store/StoreFixture.h"

namespace quorvel::test {
namespace {

using StatusFileTest = StoreTest;

const char kCannotWrite[] = "状況ファイルが作成できません";

std::string Repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

TEST_F(StatusFileTest, PathsEscapeGroupAndCodeButNotTheServer) {
  StatusRecord r;
  r.serverName = "S";
  r.group = "営業";
  r.code = "a-1";
  EXPECT_EQ(StatusFilePath(r), "S\\=89c=8B=C6\\a=2D1.sta");
  EXPECT_EQ(MemoFilePath(r), "S\\=89c=8B=C6\\a=2D1.mem");
  EXPECT_EQ(GroupFolderPath("\\\\sv\\share\\", ""), "\\\\sv\\share\\\\=00");
  EXPECT_EQ(FormatStamp({1999, 6, 15, 9, 30, 15}), "1999061509301500");
  EXPECT_EQ(FormatStamp({-2147483647 - 1, 99, 99, 99, 99, 99}).size(), 23u);
}

TEST_F(StatusFileTest, WritesTheExampleLineAndReadsItBack) {
  StatusRecord r = Member("A01");
  r.name = "Taro";
  r.status = "Out 3pm";
  ASSERT_TRUE(WriteStatus(platform, r, true));
  EXPECT_EQ(ReadFileBytes(StatusFilePath(r)), "Taro A01 Out=203pm 1999061509301500\n");
  EXPECT_EQ(r.stamp, "1999061509301500");
  EXPECT_TRUE(prompt.shown.empty());

  StatusRecord back = Member("A01");
  back.memoCount = 5;
  ASSERT_TRUE(ReadStatus(platform, back));
  EXPECT_EQ(back.name, "Taro");
  EXPECT_EQ(back.status, "Out 3pm");
  EXPECT_EQ(back.stamp, "1999061509301500");
  EXPECT_EQ(back.memoCount, 0);
}

TEST_F(StatusFileTest, KeptStampIsWrittenAgainAndEmptyOneBecomesEscape) {
  StatusRecord r = Member("k");
  r.stamp = "2001010100000000";
  ASSERT_TRUE(WriteStatus(platform, r, false));
  EXPECT_EQ(r.stamp, "2001010100000000");
  r.stamp.clear();
  ASSERT_TRUE(WriteStatus(platform, r, false));
  EXPECT_EQ(r.stamp, "=00");
  EXPECT_EQ(ReadFileBytes(StatusFilePath(r)), "=00 k =00 =00\n");
  ASSERT_TRUE(ReadStatus(platform, r));
  EXPECT_EQ(r.stamp, "");
}

TEST_F(StatusFileTest, TokenCountsDecideWhatIsFilled) {
  struct Case {
    std::string content;
    std::string name, code, status, stamp;
  };
  // The record starts as name N, code c, status S, stamp T.
  const Case cases[] = {
      {"", "N", "c", "S", "T"},
      {" \t\r\n \n", "N", "c", "S", "T"},
      {"Taro", "Taro", "c", "", ""},  // the code names the file: it stays
      {"Taro X", "Taro", "c", "", ""},
      {"Taro X In=20a", "Taro", "c", "In a", ""},
      {"Taro X In 1999", "Taro", "c", "In", "1999"},
      {"  Taro\tX\r\nIn 1999 more tokens\n", "Taro", "c", "In", "1999"},
      {"Taro A01 Out=203pm 1999061509301500\r\n", "Taro", "c", "Out 3pm", "1999061509301500"},
      {std::string("Ta\0ro X Y Z", 11), "Ta", "c", "", ""},  // a zero byte ends the line
  };
  for (const Case& c : cases) {
    StatusRecord r = Member("c");
    WriteFileBytes(StatusFilePath(r), c.content);
    r.name = "N";
    r.status = "S";
    r.stamp = "T";
    EXPECT_TRUE(ReadStatus(platform, r)) << c.content;
    EXPECT_EQ(r.name, c.name) << c.content;
    EXPECT_EQ(r.code, c.code) << c.content;
    EXPECT_EQ(r.status, c.status) << c.content;
    EXPECT_EQ(r.stamp, c.stamp) << c.content;
  }
}

TEST_F(StatusFileTest, LongFilesAreReadOnlyToByte510) {
  struct Case {
    std::size_t size;
    std::size_t stampKept;
  };
  // "a b c " is 6 bytes; the rest of the file is the fourth token.
  const Case cases[] = {{511, 505}, {512, 506}, {513, 504}, {10u << 20, 504}};
  for (const Case& c : cases) {
    StatusRecord r = Member("long");
    WriteFileBytes(StatusFilePath(r), "a b c " + std::string(c.size - 6, '7'));
    ASSERT_TRUE(ReadStatus(platform, r)) << c.size;
    EXPECT_EQ(r.stamp.size(), c.stampKept) << c.size;
  }
}

TEST_F(StatusFileTest, TextsComeBackWholeOrAsACleanPrefix) {
  const std::string kanji = "営";  // 2 bytes, escape "=89c" of 4
  const std::string nichi = "日";  // "=93=FA": 6 escaped bytes
  struct Case {
    std::string name, status;
    std::string nameBack, statusBack;
  };
  std::string allBytes;  // every byte but zero, as 64-byte statuses
  for (int b = 1; b < 64; ++b) allBytes += static_cast<char>(b);
  const Case cases[] = {
      {"a b", "In  the  office ", "a b", "In  the  office "},
      {Repeat(nichi, 8), allBytes, Repeat(nichi, 8), allBytes},
      // 9 characters do not fit into 48 escaped bytes; the 9th goes whole.
      {"a" + Repeat(nichi, 9), std::string(65, 'x'), "a" + Repeat(nichi, 7), std::string(65, 'x')},
      {std::string(17, ' '), "", std::string(16, ' '), ""},
      {kanji, std::string(70, ' '), kanji, std::string(64, ' ')},
  };
  for (const Case& c : cases) {
    StatusRecord r = Member("t");
    r.name = c.name;
    r.status = c.status;
    ASSERT_TRUE(WriteStatus(platform, r, true));
    StatusRecord back = Member("t");
    ASSERT_TRUE(ReadStatus(platform, back));
    EXPECT_EQ(back.name, c.nameBack);
    EXPECT_EQ(back.status, c.statusBack);
    const std::string line = ReadFileBytes(StatusFilePath(r));
    EXPECT_LE(line.size(), 363u);
  }
}

TEST_F(StatusFileTest, FailedWritesLeaveRecordAndFileAlone) {
  StatusRecord r = Member("w");
  r.name = "Taro";
  r.stamp = "1990010100000000";
  WriteFileBytes(StatusFilePath(r), "old line\n");

  {  // another desk holds the file through every attempt
    std::unique_ptr<File> held = Hold(StatusFilePath(r));
    EXPECT_FALSE(WriteStatus(platform, r, true));
  }
  EXPECT_EQ(clock.waits, (std::vector<int>{100, 100, 100}));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotWrite});
  EXPECT_EQ(r.stamp, "1990010100000000");
  EXPECT_EQ(ReadFileBytes(StatusFilePath(r)), "old line\n");

  // Anything but a sharing violation gives up at once.
  clock.waits.clear();
  prompt.Clear();
  for (const std::string& server :
       {share / "no-such-server", share / std::string(600, 's'), std::string()}) {
    StatusRecord lost = r;
    lost.serverName = server;
    EXPECT_FALSE(WriteStatus(platform, lost, true)) << server.size();
    EXPECT_EQ(lost.stamp, "1990010100000000");
  }
  EXPECT_TRUE(clock.waits.empty());
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>(3, kCannotWrite));

  // A folder that carries the status file's name.
  prompt.Clear();
  StatusRecord folder = Member("dir");
  MakeFolder(StatusFilePath(folder));
  EXPECT_FALSE(WriteStatus(platform, folder, true));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotWrite});
  EXPECT_FALSE(ReadStatus(platform, folder));
  EXPECT_FALSE(MemberExists(platform, folder));
}

TEST_F(StatusFileTest, ReadOnlyStatusFileIsNotRewritten) {
  StatusRecord r = Member("ro");
  WriteFileBytes(StatusFilePath(r), "Taro ro In 1\n");
  SetReadOnly(StatusFilePath(r), true);
  if (FILE* probe = std::fopen(NativePath(StatusFilePath(r)).c_str(), "r+b")) {
    std::fclose(probe);
    SetReadOnly(StatusFilePath(r), false);
    GTEST_SKIP() << "this user may write read-only files";
  }
  r.status = "Out";
  EXPECT_FALSE(WriteStatus(platform, r, true));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kCannotWrite});
  EXPECT_TRUE(clock.waits.empty());
  EXPECT_EQ(r.stamp, "");
  SetReadOnly(StatusFilePath(r), false);
  EXPECT_EQ(ReadFileBytes(StatusFilePath(r)), "Taro ro In 1\n");
}

TEST_F(StatusFileTest, FailedReadsClearStatusAndStampButKeepTheName) {
  StatusRecord r = Member("r");
  WriteFileBytes(StatusFilePath(r), "New r In 1\n");
  auto reset = [&] {
    r.name = "Old";
    r.status = "S";
    r.stamp = "T";
  };
  reset();
  {
    std::unique_ptr<File> held = Hold(StatusFilePath(r));
    EXPECT_FALSE(ReadStatus(platform, r));
  }
  EXPECT_EQ(clock.waits, (std::vector<int>{100, 100, 100}));
  EXPECT_EQ(r.name, "Old");
  EXPECT_EQ(r.status, "");
  EXPECT_EQ(r.stamp, "");

  // Readers share: a reader elsewhere does not stop this one.
  clock.waits.clear();
  reset();
  {
    std::unique_ptr<File> reader = Hold(StatusFilePath(r), FileAccess::Read, FileShare::Read);
    EXPECT_TRUE(ReadStatus(platform, r));
    EXPECT_EQ(r.name, "New");
    // ...but a writer waits for it.
    EXPECT_FALSE(WriteStatus(platform, r, true));
  }
  EXPECT_EQ(clock.waits, (std::vector<int>{100, 100, 100}));

  clock.waits.clear();
  prompt.Clear();
  for (const std::string& server : {share / "nowhere", share / std::string(600, 's')}) {
    StatusRecord missing = Member("r");
    missing.serverName = server;
    missing.name = "Old";
    missing.status = "S";
    EXPECT_FALSE(ReadStatus(platform, missing));
    EXPECT_EQ(missing.name, "Old");
    EXPECT_EQ(missing.status, "");
    EXPECT_FALSE(MemberExists(platform, missing));
  }
  EXPECT_TRUE(clock.waits.empty());
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(StatusFileTest, GarbageReadsWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919 + 13) & 0xFF);
  const std::string inputs[] = {garbage, std::string(600, '\0'), std::string(600, '='),
                                "=\n=4\n=zz =4a"};
  for (const std::string& bytes : inputs) {
    StatusRecord r = Member("g");
    WriteFileBytes(StatusFilePath(r), bytes);
    EXPECT_TRUE(ReadStatus(platform, r));
    EXPECT_LE(r.name.size() + r.status.size() + r.stamp.size(), 510u);
  }
}

TEST_F(StatusFileTest, CodesOfEveryByteNameTheirOwnFiles) {
  for (int first = 1; first < 256; first += 40) {
    std::string code;
    for (int b = first; b < first + 40 && b < 256; ++b) code += static_cast<char>(b);
    StatusRecord r = Member(code);
    r.name = code;
    EXPECT_FALSE(MemberExists(platform, r));
    ASSERT_TRUE(WriteStatus(platform, r, true)) << first;
    EXPECT_TRUE(MemberExists(platform, r));
    StatusRecord back = Member(code);
    ASSERT_TRUE(ReadStatus(platform, back));
    // The name comes back as a clean prefix of at least 16 bytes' worth.
    EXPECT_EQ(code.compare(0, back.name.size(), back.name), 0) << first;
    EXPECT_GE(back.name.size(), std::min<std::size_t>(code.size(), 15)) << first;
  }
}

TEST_F(StatusFileTest, MemberExistsOnlyForTheStatusFile) {
  StatusRecord r = Member("m");
  EXPECT_FALSE(MemberExists(platform, r));
  WriteFileBytes(MemoFilePath(r), "");
  EXPECT_FALSE(MemberExists(platform, r));
  WriteFileBytes(StatusFilePath(r), "");
  EXPECT_TRUE(MemberExists(platform, r));
  StatusRecord noFolder = Member("m", false);
  noFolder.group = "gone";
  EXPECT_FALSE(MemberExists(platform, noFolder));
}

}  // namespace
}  // namespace quorvel::test
