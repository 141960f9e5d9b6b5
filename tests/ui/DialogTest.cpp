#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include "tests/support/FakeView.h"
#include "tests/support/RecordingPrompt.h"
#include "ui/ListFiller.h"

namespace quorvel::test {
namespace {

class TwoFields : public Dialog {
 public:
  explicit TwoFields(Prompt& p) : Dialog(140, p) {
    Exchange(1005, group, 24);
    Exchange(1004, server, 128);
    Display(1006, shown);
  }
  bool Take() { return TakeValues(); }
  void Show() { ShowValues(); }
  std::string group = "営業", server = "\\\\SV1\\board", shown;
};

struct Fixture {
  RecordingPrompt prompt;
  FakeView view;
  TwoFields dialog{prompt};
  Fixture() { dialog.Attach(&view); }
};

TEST(Dialog, InitialisationSetsLimitsAndShowsValues) {
  Fixture f;
  EXPECT_TRUE(f.dialog.OnInit());
  EXPECT_EQ(f.view.limits[1005], 24);
  EXPECT_EQ(f.view.limits[1004], 128);
  EXPECT_EQ(f.view.texts[1005], "営業");
  EXPECT_EQ(f.view.texts[1004], "\\\\SV1\\board");
}

TEST(Dialog, TakeValuesChecksLimitsInOrderAndKeepsOldValuesOnRefusal) {
  const struct {
    std::size_t groupBytes, serverBytes;
    bool ok;
    const char* message;
    int focus;
  } cases[] = {
      {24, 128, true, nullptr, 0},
      {0, 0, true, nullptr, 0},
      {25, 128, false, "24 文字以内で入力してください。", 1005},
      {24, 129, false, "128 文字以内で入力してください。", 1004},
      {25, 129, false, "24 文字以内で入力してください。", 1005},  // group first
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.groupBytes);
    SCOPED_TRACE(c.serverBytes);
    Fixture f;
    f.view.texts[1005] = std::string(c.groupBytes, 'g');
    f.view.texts[1004] = std::string(c.serverBytes, 's');
    EXPECT_EQ(f.dialog.Take(), c.ok);
    if (c.ok) {
      EXPECT_TRUE(f.prompt.shown.empty());
      EXPECT_EQ(f.dialog.group, std::string(c.groupBytes, 'g'));
      EXPECT_EQ(f.dialog.server, std::string(c.serverBytes, 's'));
    } else {
      EXPECT_EQ(f.prompt.Texts(), (std::vector<std::string>{c.message}));
      EXPECT_EQ(f.view.focus, c.focus);
      EXPECT_EQ(f.dialog.server, "\\\\SV1\\board");  // a refusal changes nothing after it
    }
  }
}

// A read-only box shows the value whole and never hands it back: a box
// may return other bytes than it was given (half a character).
TEST(Dialog, AShownValueGetsNoLimitAndIsNeverTakenBack) {
  Fixture f;
  f.dialog.shown = std::string(300, 'x') + "\x82";
  f.dialog.OnInit();
  EXPECT_EQ(f.view.limits.count(1006), 0u);
  EXPECT_EQ(f.view.texts[1006], f.dialog.shown);
  f.view.texts[1006] = "x\x81\x45";
  EXPECT_TRUE(f.dialog.Take());
  EXPECT_EQ(f.dialog.shown, std::string(300, 'x') + "\x82");
  EXPECT_TRUE(f.prompt.shown.empty());
}

TEST(Dialog, DoubleByteTextsCountInBytes) {
  Fixture f;
  f.view.texts[1005] = "営業営業営業営業営業営業";  // 12 characters, 24 bytes
  EXPECT_TRUE(f.dialog.Take());
  f.view.texts[1005] = "営業営業営業営業営業営業a";
  EXPECT_FALSE(f.dialog.Take());
}

TEST(Dialog, OkEndsOnlyWhenValuesAreTakenAndCancelAlwaysEnds) {
  Fixture f;
  f.view.texts[1005] = std::string(30, 'g');
  f.dialog.OnCommand(1, 0);
  EXPECT_FALSE(f.view.ended);
  f.view.texts[1005] = "総務";
  f.dialog.OnCommand(1, 0);
  EXPECT_TRUE(f.view.ended);
  EXPECT_EQ(f.view.result, 1);
  EXPECT_EQ(f.dialog.group, "総務");

  Fixture g;
  g.view.texts[1005] = std::string(30, 'g');
  g.dialog.OnCommand(2, 0);
  EXPECT_TRUE(g.view.ended);
  EXPECT_EQ(g.view.result, 2);
  EXPECT_EQ(g.dialog.group, "営業");
}

TEST(ListFiller, RefillsWholeAndSetsSixPixelsPerByteOfTheLongestCountedLine) {
  const struct {
    std::vector<std::string> lines;
    std::size_t head;
    int extent;
  } cases[] = {
      {{}, 0, 0},
      {{"ab", "営業部", "x"}, 0, 36},
      {{std::string(66, '-'), "short", "abc"}, 1, 30},  // headings do not count
      {{"heading only"}, 1, 0},
      {{"b", "a"}, 5, 0},  // more headings than lines
  };
  for (const auto& c : cases) {
    FakeView view;
    view.ListAdd(1000, "stale");
    view.ListSelect(1000, 0);
    FillList(view, 1000, c.lines, c.head);
    EXPECT_EQ(view.Lines(1000), c.lines);  // order kept, old lines gone
    EXPECT_EQ(view.lists[1000].selection, -1);
    EXPECT_EQ(view.lists[1000].extent, c.extent);
  }
}

}  // namespace
}  // namespace quorvel::test
