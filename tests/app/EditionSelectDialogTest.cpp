#include "app/EditionSelectDialog.h"

#include <gtest/gtest.h>

#include "group/MultiGroupWindow.h"
#include "personal/PersonalWindow.h"
#include "tests/support/Desk.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

struct EditionSelectTest : ::testing::Test {
  test::Desk desk;
  FakeView view;
  EditionSelectDialog chooser{desk.services, desk.windows};

  void Open() {
    chooser.Attach(&view);
    chooser.OnInit();
  }
};

TEST_F(EditionSelectTest, AnEditionRunsAsAWindowOfItsOwnWhileTheChooserWaitsMinimised) {
  Open();
  std::vector<WindowShow> duringRun;
  desk.runner.On(PersonalWindow::kTemplateId, [&](Dialog&, FakeView&) {
    duringRun = view.showCalls;
    // A second press meanwhile starts nothing.
    chooser.OnCommand(IDC_CHOOSE_GROUP, kNotifyClicked);
    chooser.OnCommand(IDC_CHOOSE_MULTIGROUP, kNotifyClicked);
  });
  chooser.OnCommand(IDC_CHOOSE_PERSONAL, kNotifyClicked);
  EXPECT_EQ(desk.runner.runs, std::vector<int>{PersonalWindow::kTemplateId});
  EXPECT_EQ(desk.runner.unownedRuns, 1);
  EXPECT_EQ(duringRun, std::vector<WindowShow>{WindowShow::Minimize});
  EXPECT_EQ(view.showCalls.back(), WindowShow::Restore);
  EXPECT_FALSE(view.ended) << "the chooser stays for the next edition";

  chooser.OnCommand(IDC_CHOOSE_MULTIGROUP, kNotifyClicked);
  EXPECT_EQ(desk.runner.runs.back(), MultiGroupWindow::kTemplateId);
}

TEST_F(EditionSelectTest, MinimisedItPaintsItsIconInTheMiddle) {
  view.strings[kVersionStringId] = "バージョン情報";
  Open();
  EXPECT_EQ(view.icon, IDI_CHOOSER);
  chooser.OnPaint();
  EXPECT_TRUE(view.drawn.empty()) << "shown, the system paints";

  view.iconic = true;
  view.client = {0, 0, 160, 31};
  chooser.OnPaint();
  EXPECT_EQ(view.iconBackgroundErased, 1);
  ASSERT_EQ(view.drawn.size(), 1u);
  EXPECT_EQ(view.drawn[0].iconId, IDI_CHOOSER);
  EXPECT_EQ(view.drawn[0].x, (160 - 32 + 1) / 2);
  EXPECT_EQ(view.drawn[0].y, 0) << "(31 - 32 + 1) / 2";

  EXPECT_EQ(chooser.DragIcon(), IDI_CHOOSER);
}

}  // namespace
}  // namespace quorvel
