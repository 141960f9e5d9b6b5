// Names that Windows takes for devices never reach the file system: under
// Wine a status file "AUX.sta" read as a file blocks, and "NUL" swallows a
// write and reports success. The files here are made the way a client of
// the share that is not Windows makes them; each test runs against a
// deadline, so a regression fails the run instead of hanging it.
#include <chrono>

#include "store/DeviceName.h"
#include "store/GroupMembership.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/Deadline.h"

namespace quorvel::test {
namespace {

constexpr std::chrono::seconds kLimit{20};

TEST(DeviceName, ReservedNamesInAnyCaseWithOrWithoutExtension) {
  for (const char* name : {"CON", "prn", "Aux", "nul", "COM0", "com9", "LPT1", "lPt0", "NUL.sta",
                           "aux.mem", "CON.tar.gz", "COM1 .sta"})
    EXPECT_TRUE(IsDeviceName(name)) << name;
  for (const char* name : {"", "CO", "CONX", "COM", "COM10", "LPTA", "AUX1", "XNUL", "=41UX",
                           "NUL=2Esta", "COM=31", ".CON"})
    EXPECT_FALSE(IsDeviceName(name)) << name;
}

using DeviceNameStoreTest = StoreTest;

TEST_F(DeviceNameStoreTest, ListingSkipsStatusFilesThatNameDevices) {
  Deadline deadline(kLimit, "listing a group with device-named status files");
  const StatusRecord b = Member("b");
  WriteFileBytes(StatusFilePath(b), "Bee b In 1\n");
  const std::string folder = GroupFolderPath(b.serverName, b.group);
  // "=41UX" decodes to "AUX", which encodes back to a device name.
  for (const char* name : {"AUX.sta", "COM1.sta", "nul.sta", "=41UX.sta", "Lpt9.sta"})
    WriteFileBytes(AnyNamePath(folder + "\\" + name), "Dev x Out 1\n");
  MemberList list;
  list.serverName = b.serverName;
  list.group = b.group;
  ASSERT_TRUE(LoadMembers(platform, list));
  ASSERT_EQ(list.memberCount, 1);
  EXPECT_EQ(list.members[0].code, "b");
  EXPECT_EQ(list.members[0].name, "Bee");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(DeviceNameStoreTest, EveryOperationRefusesADeviceCode) {
  Deadline deadline(kLimit, "store operations on device-named codes");
  for (const char* code : {"AUX", "com1", "NUL", "CON", "LPT9"}) {
    SCOPED_TRACE(code);
    StatusRecord r = Member(code);
    const std::string folder = GroupFolderPath(r.serverName, r.group);
    const std::string file = folder + "\\" + code;
    WriteFileBytes(AnyNamePath(file + ".sta"), "Dev x Out 1\n");
    WriteFileBytes(AnyNamePath(file + ".mem"), "memo\n");
    prompt.Clear();

    EXPECT_FALSE(MemberExists(platform, r));
    r.name = "Kept";
    r.status = "S";
    EXPECT_FALSE(ReadStatus(platform, r));
    EXPECT_EQ(r.name, "Kept");
    EXPECT_EQ(r.status, "");
    EXPECT_FALSE(WriteStatus(platform, r, true));
    EXPECT_FALSE(SendMemo(platform, r, "hi"));
    EXPECT_FALSE(ReadMemos(platform, r));
    r.memoCount = 1;
    r.memoLines[0] = "x";
    EXPECT_FALSE(WriteMemos(platform, r));
    EXPECT_FALSE(DeleteMemo(platform, r, 0, "m"));
    EXPECT_TRUE(RemoveMember(platform, r, false));
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{"状況ファイルが作成できません", "宛先の人が見つかりません",
                                        "伝言ファイルが作成できません", "伝言が作成できません",
                                        "状況ファイルが削除できません"}));
    EXPECT_TRUE(clock.waits.empty());
    // Nothing was written to, or deleted from, the files that carry the names.
    EXPECT_EQ(ReadFileBytes(AnyNamePath(file + ".sta")), "Dev x Out 1\n");
    EXPECT_EQ(ReadFileBytes(AnyNamePath(file + ".mem")), "memo\n");
  }
}

TEST_F(DeviceNameStoreTest, DeviceGroupsAreNeitherMadeNorListed) {
  Deadline deadline(kLimit, "store operations on device-named groups");
  for (const char* group : {"NUL", "Com3", "prn"}) {
    SCOPED_TRACE(group);
    prompt.Clear();
    EXPECT_EQ(CreateGroupFolder(platform, share.Path(), group), GroupCreation::NotCreated);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"新規グループが作成できません"});
    const std::string folder = AnyNamePath(share / group);
    EXPECT_FALSE(PathExists(folder));
    // Made by another client, with a member in it: still nobody is listed.
    MakeFolder(folder);
    WriteFileBytes(AnyNamePath(share / group + "\\b.sta"), "Bee b In 1\n");
    MemberList list;
    list.serverName = share.Path();
    list.group = group;
    list.memberCount = 5;
    EXPECT_FALSE(LoadMembers(platform, list));
    EXPECT_EQ(list.memberCount, 0);
    StatusRecord r = Member("b", false);
    r.group = group;
    EXPECT_FALSE(MemberExists(platform, r));
  }
}

}  // namespace
}  // namespace quorvel::test
