#include "store/GroupListFile.h"

#include "store/TextCodec.h"
#include "tests/store/StoreFixture.h"

namespace quorvel::test {
namespace {

const char kMissing[] = "グループ情報ファイルがありません";
const char kTooMany[] = "登録グループの件数が制限を越えています";
const char kNothing[] = "グループが登録されていません";
const char kCannotWrite[] = "グループ情報ファイルが作成できません";

std::string Entries(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += "S" + std::to_string(i) + " G" + std::to_string(i) + "\n";
  return out;
}

class GroupListFileTest : public StoreTest {
 protected:
  std::string File() { return share / "QVL.gl"; }
  std::vector<std::pair<std::string, std::string>> Read(const std::string& bytes) {
    WriteFileBytes(File(), bytes);
    RegisteredGroups groups;
    groups.count = 9;
    EXPECT_EQ(ReadGroupList(platform, groups, File()), GroupListRead::Read);
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < groups.count; ++i) out.push_back({groups.serverNames[i], groups.groups[i]});
    return out;
  }
};

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST_F(GroupListFileTest, WritesEscapedPairsAndReadsThemBack) {
  RegisteredGroups groups;
  groups.count = 3;
  groups.serverNames[0] = "\\\\SV1\\board";
  groups.groups[0] = "営業";
  groups.serverNames[1] = std::string(600, 'L');  // longer than a dialog allows: kept whole
  groups.groups[1] = "";
  groups.serverNames[2] = "\\\\SV1\\board";
  groups.groups[2] = "営業";
  ASSERT_TRUE(WriteGroupList(platform, groups, File()));
  EXPECT_EQ(ReadFileBytes(File()), "=5C=5CSV1=5Cboard =89c=8B=C6\n" + std::string(600, 'L') +
                                       " =00\n=5C=5CSV1=5Cboard =89c=8B=C6\n");
  RegisteredGroups back;
  ASSERT_EQ(ReadGroupList(platform, back, File()), GroupListRead::Read);
  ASSERT_EQ(back.count, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(back.serverNames[i], groups.serverNames[i]);
    EXPECT_EQ(back.groups[i], groups.groups[i]);
  }
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GroupListFileTest, ReaderSyntax) {
  struct Case {
    std::string bytes;
    Pairs entries;
  };
  const Case cases[] = {
      {"", {}},
      {"a b\nc d", {{"a", "b"}}},                         // unended last line
      {"a b\r\nc d\r\n", {{"a", "b"}, {"c", "d"}}},       // carriage returns
      {"=5C=5CSV1=5Cboard =89c=8B=C6 extra\n", {{"\\\\SV1\\board", "営業"}}},
      {"one\n \t\n\n a\t b \nlone\nc d\n", {{"a", "b"}, {"c", "d"}}},
      {std::string("a\0b c\nd e\n", 11), {{"d", "e"}}},  // a zero byte ends its line
      {"=4 =zz\n", {{"?4", "?"}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.bytes), c.entries) << c.bytes;
  }
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GroupListFileTest, FiftyEntriesAtMost) {
  struct Case {
    std::string bytes;
    int count;
    bool message;
  };
  const Case cases[] = {
      {Entries(50), 50, false},
      {Entries(50) + "\n\n", 50, false},
      {Entries(51), 50, true},
      {Entries(50) + "oneword\n", 50, true},  // the limit comes before the split
      {Entries(500), 50, true},
  };
  for (const Case& c : cases) {
    prompt.Clear();
    const Pairs entries = Read(c.bytes);
    EXPECT_EQ(static_cast<int>(entries.size()), c.count);
    EXPECT_EQ(entries.back(), std::make_pair(std::string("S49"), std::string("G49")));
    EXPECT_EQ(prompt.Texts(), c.message ? std::vector<std::string>{kTooMany}
                                        : std::vector<std::string>{});
  }
}

TEST_F(GroupListFileTest, EntriesBeyondByte510AndMaximalLinesSurvive) {
  // Two entries of the longest kind the edit dialog allows: 458 bytes a line.
  RegisteredGroups groups;
  groups.count = 3;
  for (int i = 0; i < 3; ++i) {
    groups.serverNames[i] = std::string(64, ' ').replace(0, 2, "\x93\xFA") + static_cast<char>('!' + i);
    groups.serverNames[i].resize(128, '\\');
    groups.groups[i] = std::string(24, '=');
  }
  ASSERT_TRUE(WriteGroupList(platform, groups, File()));
  ASSERT_EQ(ReadFileBytes(File()).size(), 3u * 458);
  RegisteredGroups back;
  ASSERT_EQ(ReadGroupList(platform, back, File()), GroupListRead::Read);
  ASSERT_EQ(back.count, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(back.serverNames[i], groups.serverNames[i]);
    EXPECT_EQ(back.groups[i], groups.groups[i]);
  }
  // ...and a save after that read loses nothing.
  ASSERT_TRUE(WriteGroupList(platform, back, File()));
  EXPECT_EQ(ReadFileBytes(File()).size(), 3u * 458);
}

TEST_F(GroupListFileTest, HugeFilesAreReadToTheirFirstMegabyte) {
  EXPECT_EQ(Read("a b\n" + std::string(10u << 20, 'x') + "\nc d\n"), (Pairs{{"a", "b"}}));
  EXPECT_EQ(Read(std::string((1u << 20) - 4, ' ') + "a b\n" + "c d\n"), (Pairs{{"a", "b"}}));
}

TEST_F(GroupListFileTest, MissingFileReadsAsEmptyAndAHeldOneKeepsTheTable) {
  RegisteredGroups groups;
  groups.count = 4;
  EXPECT_EQ(ReadGroupList(platform, groups, File()), GroupListRead::Missing);
  EXPECT_EQ(groups.count, 0);
  EXPECT_TRUE(clock.waits.empty()) << "a missing file is not waited for";
  WriteFileBytes(File(), Entries(2));
  ASSERT_EQ(ReadGroupList(platform, groups, File()), GroupListRead::Read);
  {
    std::unique_ptr<quorvel::File> held = Hold(File());
    EXPECT_EQ(ReadGroupList(platform, groups, File()), GroupListRead::Unreadable);
    EXPECT_EQ(groups.count, 2) << "the table read before stays";
  }
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kMissing, kMissing}));
  EXPECT_EQ(clock.waits, (std::vector<int>{100, 100, 100}));
}

// Lines no window shows (beyond the 50th entry, or beyond the part read)
// go back into the file as they were.
TEST_F(GroupListFileTest, WritingKeepsTheLinesNoWindowShows) {
  for (const std::string& old : {Entries(1000), "a b\n" + std::string(3u << 20, 'x') + "\nc d\n"}) {
    WriteFileBytes(File(), old);
    RegisteredGroups groups;
    ASSERT_EQ(ReadGroupList(platform, groups, File()), GroupListRead::Read);
    ASSERT_TRUE(WriteGroupList(platform, groups, File()));
    EXPECT_TRUE(ReadFileBytes(File()) == old) << old.size() << " bytes";
  }
}

TEST_F(GroupListFileTest, FailedWritesLeaveTheFileAlone) {
  WriteFileBytes(File(), Entries(2));
  RegisteredGroups empty;
  EXPECT_FALSE(WriteGroupList(platform, empty, File()));
  RegisteredGroups one;
  one.count = 1;
  {
    std::unique_ptr<quorvel::File> held = Hold(File());
    EXPECT_FALSE(WriteGroupList(platform, one, File()));
  }
  EXPECT_FALSE(WriteGroupList(platform, one, share / "nowhere\\QVL.gl"));
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kNothing, kCannotWrite, kCannotWrite}));
  EXPECT_EQ(ReadFileBytes(File()), Entries(2));
  EXPECT_EQ(Read(ReadFileBytes(File())).size(), 2u);
}

}  // namespace
}  // namespace quorvel::test
