#include "shell/VersionPanel.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Desk.h"
#include "tests/support/FakeView.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScriptedRunner.h"

namespace quorvel::test {
namespace {

using Drawn = std::vector<std::tuple<int, int, int>>;

Drawn PaintOnce(VersionPanel& panel, FakeView& view) {
  view.drawn.clear();
  panel.OnPaint();
  Drawn out;
  for (const FakeView::DrawnIcon& d : view.drawn) out.emplace_back(d.iconId, d.x, d.y);
  return out;
}

struct Opened {
  Desk desk;
  RecordingPrompt& prompt = desk.prompt;
  FakeView view;
  VersionPanel panel{desk.services};
  explicit Opened(Edition edition, bool setEdition = true) {
    if (setEdition) panel.SetEdition(edition);
    panel.Attach(&view);
    EXPECT_TRUE(panel.OnInit());
  }
};

TEST(VersionPanel, ShowsTheEditionLabelAndStartsTheTimer) {
  // Values outside the enum still show the universal panel.
  const Edition unknownAbove = static_cast<Edition>(7);
  const Edition unknownBelow = static_cast<Edition>(-1);
  const struct {
    Edition edition;
    const char* label;
  } cases[] = {{Edition::None, "Universal"},
               {Edition::Personal, "パーソナル"},
               {Edition::Group, "グループ"},
               {Edition::MultiUser, "マルチユーザー"},
               {Edition::MultiGroup, "マルチグループ"},
               {unknownAbove, "Universal"},
               {unknownBelow, "Universal"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.edition));
    Opened o(c.edition);
    EXPECT_EQ(o.view.texts[1086], c.label);
    EXPECT_EQ(o.panel.EditionLabel(), c.label);
    EXPECT_EQ(o.view.limits[1086], 64);
    ASSERT_EQ(o.view.timers.count(1), 1u);
    EXPECT_EQ(o.view.timers[1], 500);
    EXPECT_EQ(o.panel.Phase(), 0);
  }
}

TEST(VersionPanel, WithoutAnEditionItIsTheUniversalPanel) {
  Opened o(Edition::None, /*setEdition=*/false);
  EXPECT_EQ(o.view.texts[1086], "Universal");
  EXPECT_EQ(PaintOnce(o.panel, o.view), (Drawn{{143, 220, 30}}));
}

TEST(VersionPanel, PhaseRunsZeroToThreeAndInvalidatesEachTick) {
  Opened o(Edition::Personal);
  std::vector<int> phases;
  for (int tick = 0; tick < 9; ++tick) {
    o.panel.OnTimer(tick == 4 ? 99 : 1);  // any timer id ticks
    phases.push_back(o.panel.Phase());
  }
  EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(o.view.invalidations, 9);
}

TEST(VersionPanel, PaintsEachEditionsIconsByPhase) {
  // Expected icons for phases 0..3, per edition.
  const struct {
    Edition edition;
    std::vector<Drawn> byPhase;
  } cases[] = {
      {Edition::Personal, {{{128, 20, 30}}, {{128, 22, 30}}, {{128, 24, 30}}, {{128, 26, 30}}}},
      {Edition::Group,
       {{{147, 40, 30}, {147, 240, 30}},
        {{147, 38, 30}, {147, 238, 30}},
        {{147, 36, 30}, {147, 236, 30}},
        {{147, 34, 30}, {147, 234, 30}}}},
      {Edition::MultiUser,
       {{{128, 20, 30}, {128, 220, 30}},
        {{128, 22, 30}, {128, 218, 30}},
        {{128, 24, 30}, {128, 216, 30}},
        {{128, 26, 30}, {128, 214, 30}}}},
      {Edition::MultiGroup,
       {{{144, 40, 30}, {128, 220, 30}, {147, 20, 60}},
        {{144, 38, 30}, {128, 218, 30}, {147, 20, 61}},
        {{144, 36, 30}, {128, 216, 30}, {147, 20, 62}},
        {{144, 34, 30}, {128, 214, 30}, {147, 20, 63}}}},
      {Edition::None, {{{143, 220, 30}}, {{143, 220, 30}}, {{143, 220, 30}}, {{143, 220, 30}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.edition));
    Opened o(c.edition);
    for (int cycle = 0; cycle < 2; ++cycle) {  // the second cycle jumps back
      for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(PaintOnce(o.panel, o.view), c.byPhase[p]);
        o.panel.OnTimer(1);
      }
    }
  }
}

TEST(VersionPanel, OkTakesTheLabelBackWithItsLimit) {
  Opened o(Edition::Group);
  o.view.texts[1086] = std::string(64, 'x');
  o.panel.OnCommand(1, 0);
  EXPECT_TRUE(o.view.ended);
  EXPECT_EQ(o.view.result, 1);
  EXPECT_EQ(o.panel.EditionLabel(), std::string(64, 'x'));
  EXPECT_TRUE(o.prompt.shown.empty());

  Opened longer(Edition::Group);
  longer.view.texts[1086] = std::string(65, 'x');
  longer.panel.OnCommand(1, 0);
  EXPECT_FALSE(longer.view.ended);
  EXPECT_EQ(longer.prompt.Texts(), (std::vector<std::string>{"64 文字以内で入力してください。"}));
  EXPECT_EQ(longer.view.focus, 1086);
  EXPECT_EQ(longer.panel.EditionLabel(), "グループ");
}

TEST(VersionPanel, EscEndsWithoutTakingTheLabel) {
  Opened o(Edition::MultiUser);
  o.view.texts[1086] = std::string(100, 'x');  // would fail the check
  o.panel.OnCommand(2, 0);
  EXPECT_TRUE(o.view.ended);
  EXPECT_EQ(o.view.result, 2);
  EXPECT_TRUE(o.prompt.shown.empty());
}

TEST(VersionPanel, ClosingStopsTheTimerAndReopeningStartsAtPhaseZero) {
  Desk desk;
  VersionPanel panel(desk.services);
  panel.SetEdition(Edition::Group);
  ScriptedRunner runner;
  runner.On(146, [&](Dialog& d, FakeView&) {
    d.OnTimer(1);
    d.OnTimer(1);
    d.OnTimer(1);
  });
  runner.Run(panel);
  EXPECT_EQ(panel.Phase(), 3);

  FakeView view;
  panel.Attach(&view);
  ASSERT_TRUE(panel.OnInit());
  EXPECT_EQ(panel.Phase(), 0);
  EXPECT_EQ(view.timers.count(1), 1u);
  panel.OnDestroy();
  EXPECT_TRUE(view.timers.empty());
}

}  // namespace
}  // namespace quorvel::test
