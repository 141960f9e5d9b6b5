#include "group/MemberView.h"

#include <gtest/gtest.h>

#include "tests/support/Desk.h"

namespace quorvel {
namespace {

StatusRecord Member(const std::string& name, const std::string& code, const std::string& status,
                    const std::string& stamp) {
  StatusRecord r;
  r.name = name;
  r.code = code;
  r.status = status;
  r.stamp = stamp;
  return r;
}

const char kStamp[] = "1999061509301500";

TEST(MemberLine, TaroExample) {
  EXPECT_EQ(MemberLine(Member("Taro", "A01", "Out 3pm", kStamp), kMultiGroupMemberView),
            "Taro" + std::string(12, ' ') + " " + "A01" + std::string(13, ' ') + " " +
                "Out 3pm (09:30)");
}

TEST(MemberLine, LongNamePushesTheCodeColumnAndIsNotCut) {
  const std::string name20 = "ABCDEFGHIJKLMNOPQRST";
  const std::string line = MemberLine(Member(name20, "A01", "In", kStamp), kMultiGroupMemberView);
  EXPECT_EQ(line, name20 + " A01" + std::string(13, ' ') + " In (09:30)");
  EXPECT_EQ(line.find("A01"), 21u);  // 4 bytes right of where 16 bytes put it
}

TEST(MemberLine, TwoByteTextsCountInBytes) {
  // 営業 is 4 bytes: 12 blanks of padding, not 14.
  EXPECT_EQ(MemberLine(Member("営業", "", "", ""), kMultiGroupMemberView),
            "営業" + std::string(12, ' ') + " " + std::string(16, ' ') + "  ()");
}

TEST(MemberLine, OverlongLineIsShownWhole) {
  const std::string status(300, 'x');
  const std::string line = MemberLine(Member("N", "C", status, kStamp), kGroupMemberView);
  EXPECT_EQ(line.size(), 16u + 1 + 16 + 1 + 300 + 14);
  EXPECT_EQ(line.substr(line.size() - 14), " (06/15 09:30)");
}

TEST(MemberLine, TimeTextOfEachView) {
  struct Case {
    const MemberViewStyle* style;
    std::string stamp;
    std::string time;
  };
  const Case cases[] = {
      {&kMultiGroupMemberView, kStamp, "09:30"},
      {&kGroupMemberView, kStamp, "06/15 09:30"},
      {&kStatusListMemberView, kStamp, "06/15 09:30"},
      {&kMultiGroupMemberView, "", ""},
      {&kGroupMemberView, "", ""},
      {&kStatusListMemberView, "", "??:??"},
      {&kMultiGroupMemberView, "199906150930150", ""},    // 15 characters
      {&kMultiGroupMemberView, "19990615093015000", ""},  // 17 characters
      {&kStatusListMemberView, "=00", "??:??"},
      // Copied, not checked as digits.
      {&kMultiGroupMemberView, "abcdefghijklmnop", "ij:kl"},
      {&kGroupMemberView, "abcdefghijklmnop", "ef/gh ij:kl"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StampTimeText(c.stamp, *c.style), c.time) << c.stamp;
    const std::string line = MemberLine(Member("a", "b", "s", c.stamp), *c.style);
    EXPECT_EQ(line.substr(line.size() - c.time.size() - 3), " (" + c.time + ")") << c.stamp;
  }
}

struct RefreshTest : ::testing::Test {
  test::Desk desk;
  test::FakeView view;
  MemberList members;

  void Refresh(const std::string& server, const std::string& group,
               const MemberViewStyle& style) {
    RefreshMembers(desk.platform, view, kMemberListId, members, server, group, style);
  }
};

TEST_F(RefreshTest, ListsMembersInCodeOrderWithTheExtentOfTheLongestLine) {
  desk.PutMember("営業", "B2", "Hanako B2 In 1999061508000000\n");
  desk.PutMember("営業", "A10", "Jiro A10 Meeting=20until=2011 1999061510150000\n");
  desk.PutMember("営業", "A9", "Taro A9 Out=203pm 1999061509301500\n");
  Refresh(desk.share.Path(), "営業", kMultiGroupMemberView);
  const std::vector<std::string>& lines = view.Lines(kMemberListId);
  ASSERT_EQ(lines.size(), 3u);
  // Byte order: A10 sorts before A9.
  EXPECT_EQ(lines[0], "Jiro" + std::string(12, ' ') + " A10" + std::string(13, ' ') +
                          " Meeting until 11 (10:15)");
  EXPECT_EQ(lines[1], "Taro" + std::string(12, ' ') + " A9" + std::string(14, ' ') +
                          " Out 3pm (09:30)");
  EXPECT_EQ(lines[2], "Hanako" + std::string(10, ' ') + " B2" + std::string(14, ' ') +
                          " In (08:00)");
  EXPECT_EQ(view.lists[kMemberListId].extent, static_cast<int>(lines[0].size()) * 6);
  EXPECT_TRUE(desk.prompt.shown.empty());
}

TEST_F(RefreshTest, StatusFileWithoutStampEndsInEmptyParentheses) {
  desk.PutMember("g", "C1", "Ken C1 Home\n");
  Refresh(desk.share.Path(), "g", kMultiGroupMemberView);
  ASSERT_EQ(view.Lines(kMemberListId).size(), 1u);
  const std::string& line = view.Lines(kMemberListId)[0];
  EXPECT_EQ(line.substr(line.size() - 8), " Home ()");
}

TEST_F(RefreshTest, RefillsWholeAndDropsTheSelection) {
  desk.PutMember("g", "C1", "Ken C1 Home 1999061509301500\n");
  Refresh(desk.share.Path(), "g", kMultiGroupMemberView);
  view.ListSelect(kMemberListId, 0);
  Refresh(desk.share.Path(), "g", kMultiGroupMemberView);
  EXPECT_EQ(view.Lines(kMemberListId).size(), 1u);
  EXPECT_EQ(view.ListSelection(kMemberListId), -1);
}

TEST_F(RefreshTest, EmptyIdentityStopsOrLoadsPerView) {
  // A folder named as the escaped empty group, to see whether it is looked at.
  desk.PutMember("", "Z1", "Zed Z1 Away 1999061509301500\n");
  view.ListAdd(kMemberListId, "stale");
  Refresh(desk.share.Path(), "", kMultiGroupMemberView);
  EXPECT_TRUE(view.Lines(kMemberListId).empty());
  EXPECT_EQ(members.memberCount, 0);

  Refresh("", "g", kGroupMemberView);
  EXPECT_TRUE(view.Lines(kMemberListId).empty());

  Refresh(desk.share.Path(), "", kStatusListMemberView);
  ASSERT_EQ(view.Lines(kMemberListId).size(), 1u);
  EXPECT_NE(view.Lines(kMemberListId)[0].find("Zed"), std::string::npos);
}

TEST_F(RefreshTest, UnreachableFolderGivesAnEmptyListWithoutMessage) {
  Refresh(desk.share / "nowhere", "g", kMultiGroupMemberView);
  EXPECT_TRUE(view.Lines(kMemberListId).empty());
  EXPECT_EQ(view.lists[kMemberListId].extent, 0);
  EXPECT_TRUE(desk.prompt.shown.empty());
}

}  // namespace
}  // namespace quorvel
