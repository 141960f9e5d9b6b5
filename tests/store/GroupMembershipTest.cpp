#include "store/GroupMembership.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <set>

#include "store/StatusFile.h"
#include "store/TextCodec.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ForwardingFileSystem.h"

namespace quorvel::test {
namespace {

const char kTooMany[] = "グループのメンバー数が上限を越えています";
const char kAsk[] = "伝言が残っています。削除してよいですか？";

// Counts every call that reaches the file system, to pin what a load costs.
class CountingFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  bool Enter(FileCall call) override {
    ++counts[static_cast<std::size_t>(call)];
    return true;
  }
  int Count(FileCall call) const { return counts[static_cast<std::size_t>(call)]; }

 private:
  // Atomic: a load may read from several threads.
  std::array<std::atomic<int>, static_cast<std::size_t>(FileCall::Next) + 1> counts{};
};

class GroupMembershipTest : public StoreTest {
 protected:
  MemberList List() {
    MemberList list;
    list.serverName = share.Path();
    list.group = "営業";
    return list;
  }
  std::string Folder() { return GroupFolderPath(share.Path(), "営業"); }
  void AddStatusFile(const std::string& fileName, const std::string& content = "") {
    if (!PathExists(Folder())) MakeFolder(Folder());
    WriteFileBytes(Folder() + "\\" + fileName, content);
  }
  std::vector<std::string> Codes(const MemberList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.memberCount; ++i) out.push_back(list.members[i].code);
    return out;
  }
};

TEST_F(GroupMembershipTest, CreateGroupFolderTellsWhatHappened) {
  struct Case {
    std::string server, group;
    GroupCreation result;
    std::string message;
  };
  const Case cases[] = {
      {"", "g", GroupCreation::Refused, "サーバ名が設定されていません"},
      {share.Path(), "", GroupCreation::Refused, "グループ名が設定されていません"},
      {share.Path(), "営業 1", GroupCreation::Created, "新規グループ\"営業 1\"を作成しました"},
      // exists already
      {share.Path(), "営業 1", GroupCreation::NotCreated, "新規グループが作成できません"},
      // parents are not made
      {share / "nowhere", "g", GroupCreation::NotCreated, "新規グループが作成できません"},
  };
  for (const Case& c : cases) {
    prompt.Clear();
    EXPECT_EQ(CreateGroupFolder(platform, c.server, c.group), c.result) << c.message;
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{c.message});
  }
  EXPECT_TRUE(PathExists(share / "=89c=8B=C6=201"));
}

TEST_F(GroupMembershipTest, MembersAreTheStatusFilesSortedByCode) {
  for (const char* name : {"=41.sta", "10.sta", "9.sta", "=41=42.sta", "a=2D1.sta", "=82=A0.sta"})
    AddStatusFile(name);
  AddStatusFile("memo.mem");
  MakeFolder(Folder() + "\\folder.sta");
  MemberList list = List();
  EXPECT_TRUE(LoadMembers(platform, list));
  EXPECT_EQ(Codes(list), (std::vector<std::string>{"10", "9", "A", "AB", "a-1", "\x82\xA0"}));
  for (int i = 0; i < list.memberCount; ++i) {
    EXPECT_EQ(list.members[i].serverName, share.Path());
    EXPECT_EQ(list.members[i].group, "営業");
  }
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GroupMembershipTest, ListingStopsAtNinetyNineWithOneMessage) {
  struct Case {
    int files;
    int listed;
    bool message;
  };
  const Case cases[] = {{98, 98, false}, {99, 99, true}, {100, 99, true}, {130, 99, true}};
  for (const Case& c : cases) {
    TempDir other;
    MemberList list;
    list.serverName = other.Path();
    list.group = "g";
    MakeFolder(GroupFolderPath(other.Path(), "g"));
    std::set<std::string> all;
    for (int i = 0; i < c.files; ++i) {
      const std::string code = "c" + std::to_string(1000 + i);
      all.insert(code);
      WriteFileBytes(GroupFolderPath(other.Path(), "g") + "\\" + code + ".sta", "");
    }
    prompt.Clear();
    EXPECT_TRUE(LoadMembers(platform, list));
    EXPECT_EQ(list.memberCount, c.listed) << c.files;
    EXPECT_EQ(prompt.Texts(), c.message ? std::vector<std::string>{kTooMany}
                                        : std::vector<std::string>{});
    const std::vector<std::string> codes = Codes(list);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), codes.size());
    for (const std::string& code : codes) EXPECT_EQ(all.count(code), 1u);
  }
}

// Both list nobody; only the empty folder counts as searched.
TEST_F(GroupMembershipTest, MissingOrEmptyFolderListsNobody) {
  MemberList list = List();
  list.memberCount = 7;
  EXPECT_FALSE(LoadMembers(platform, list));
  EXPECT_EQ(list.memberCount, 0);
  MakeFolder(Folder());
  list.memberCount = 7;
  EXPECT_TRUE(LoadMembers(platform, list));
  EXPECT_EQ(list.memberCount, 0);
  list.serverName = std::string(600, 'x');
  EXPECT_FALSE(LoadMembers(platform, list));
  EXPECT_EQ(list.memberCount, 0);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GroupMembershipTest, LoadReadsEveryMemberAndShowsNoStaleName) {
  AddStatusFile("a.sta", "Hanako a In 1999061509301500\n");
  AddStatusFile("b.sta", "Taro b Out 1999061509301500\n");
  MemberList list = List();
  ASSERT_TRUE(LoadMembers(platform, list));
  ASSERT_EQ(list.memberCount, 2);
  EXPECT_EQ(list.members[0].name, "Hanako");
  EXPECT_EQ(list.members[1].status, "Out");

  // Now the first slot's member has an empty file and the second is held.
  AddStatusFile("a.sta", "");
  std::unique_ptr<File> held = Hold(Folder() + "\\b.sta");
  ASSERT_TRUE(LoadMembers(platform, list));
  ASSERT_EQ(list.memberCount, 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(list.members[i].name, "") << i;
    EXPECT_EQ(list.members[i].status, "") << i;
    EXPECT_EQ(list.members[i].stamp, "") << i;
  }
  EXPECT_EQ(list.members[1].code, "b");
  EXPECT_EQ(clock.waits, (std::vector<int>{100, 100, 100}));
}

TEST_F(GroupMembershipTest, AOneTokenStatusFileKeepsTheMembersCode) {
  // A hand-cut file: the member is still the one its file name says, so a
  // memo or proxy input from the list goes to that member's files.
  AddStatusFile("A01.sta", "Taro");
  MemberList list = List();
  ASSERT_TRUE(LoadMembers(platform, list));
  ASSERT_EQ(list.memberCount, 1);
  EXPECT_EQ(list.members[0].name, "Taro");
  EXPECT_EQ(list.members[0].code, "A01");
  EXPECT_EQ(StatusFilePath(list.members[0]), Folder() + "\\A01.sta");
}

TEST_F(GroupMembershipTest, LoadCostsOneSearchAndOneOpenReadCloseEach) {
  for (int i = 0; i < 30; ++i)
    AddStatusFile("m" + std::to_string(i) + ".sta", "N m In 1999061509301500\n");
  AddStatusFile("big.sta", std::string(10u << 20, 'x'));
  FileSystem& real = platform.files;
  CountingFileSystem counting(real);
  Platform counted{counting, clock, prompt};
  MemberList list = List();
  ASSERT_TRUE(LoadMembers(counted, list));
  ASSERT_EQ(list.memberCount, 31);
  EXPECT_EQ(counting.Count(FileCall::Find), 1);
  EXPECT_EQ(counting.Count(FileCall::Open), 31);
  EXPECT_EQ(counting.Count(FileCall::Read), 31);
  EXPECT_EQ(counting.Count(FileCall::Close), 31);
  for (FileCall none : {FileCall::Write, FileCall::Size, FileCall::Seek, FileCall::SeekToEnd,
                        FileCall::Truncate, FileCall::Delete, FileCall::CreateFolder,
                        FileCall::MoveOver})
    EXPECT_EQ(counting.Count(none), 0) << NameOf(none);
}

TEST_F(GroupMembershipTest, RemoveMemberRefusesMissingFields) {
  struct Case {
    std::string server, group, code, message;
  };
  const Case cases[] = {
      {"", "", "", "サーバ名が設定されていません"},
      {"s", "", "", "グループが設定されていません"},
      {"s", "g", "", "コードが設定されていません"},
  };
  for (const Case& c : cases) {
    prompt.Clear();
    StatusRecord r;
    r.serverName = c.server;
    r.group = c.group;
    r.code = c.code;
    EXPECT_FALSE(RemoveMember(platform, r, true));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{c.message});
  }
}

TEST_F(GroupMembershipTest, RemoveMemberAsksAboutWaitingMemos) {
  struct Case {
    std::string memo;  // "-" for no memo file
    bool ask;
    bool answer;
    bool asked;
    bool memoStays;
  };
  const Case cases[] = {
      {"a\nb\n", true, true, true, false},  {"a\nb\n", true, false, true, true},
      {"a\nb\n", false, false, false, false}, {"", true, true, false, true},
      {"\n", true, true, false, true},      {"-", true, true, false, false},
  };
  for (const Case& c : cases) {
    StatusRecord r = Member("x");
    WriteFileBytes(StatusFilePath(r), "X x In 1\n");
    if (c.memo != "-") WriteFileBytes(MemoFilePath(r), c.memo);
    prompt.Clear();
    prompt.answers = {c.answer};
    EXPECT_TRUE(RemoveMember(platform, r, c.ask));
    EXPECT_EQ(prompt.shown.size(), c.asked ? 1u : 0u) << c.memo;
    if (c.asked) {
      EXPECT_TRUE(prompt.shown[0].question) << "Yes and No, not OK alone";
      EXPECT_EQ(prompt.shown[0].text, kAsk);
    }
    EXPECT_EQ(PathExists(MemoFilePath(r)), c.memoStays) << c.memo;
    EXPECT_FALSE(PathExists(StatusFilePath(r)));
    EXPECT_FALSE(MemberExists(platform, r));
    MemberList list = List();
    LoadMembers(platform, list);
    EXPECT_EQ(list.memberCount, 0);
    if (PathExists(MemoFilePath(r))) std::remove(NativePath(MemoFilePath(r)).c_str());
  }
}

TEST_F(GroupMembershipTest, RemoveMemberReportsWhatCouldNotGo) {
  StatusRecord r = Member("y");
  prompt.answers = {true};
  EXPECT_TRUE(RemoveMember(platform, r, true));  // nothing there
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"状況ファイルが削除できません"});

  prompt.Clear();
  WriteFileBytes(StatusFilePath(r), "Y y In 1\n");
  WriteFileBytes(MemoFilePath(r), "memo\n");
  {
    std::unique_ptr<File> held = Hold(MemoFilePath(r));
    EXPECT_TRUE(RemoveMember(platform, r, false));
  }
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"伝言ファイルが削除できません"});
  EXPECT_EQ(ReadFileBytes(MemoFilePath(r)), "memo\n");
  EXPECT_FALSE(PathExists(StatusFilePath(r)));
  EXPECT_TRUE(clock.waits.empty()) << "deletion does not retry";
}

}  // namespace
}  // namespace quorvel::test
