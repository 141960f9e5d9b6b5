#include "shell/MainWindow.h"

#include "shell/VersionPanel.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/Desk.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

// A main window with nothing of its own: the shared steps only.
class BareWindow : public MainWindow {
 public:
  BareWindow(const MainWindowTraits& traits, Services& services)
      : MainWindow(500, traits, services) {}
  int refreshes = 0;
  int opens = 0;
  int closes = 0;
  bool placesItself = true;

 protected:
  void OnOpen() override { ++opens; }
  bool PlacesItself() const override { return placesItself; }
  void OnClose() override { ++closes; }
  void RefreshAfterRestore() override { ++refreshes; }
};

struct MainWindowTest : ::testing::Test {
  test::Desk desk;
  FakeView view;

  void Open(BareWindow& window) {
    window.Attach(&view);
    window.OnInit();
  }
};

struct PlacementCase {
  const char* what;
  Rect desktop;
  Rect normal;
  bool saved;
  int savedLeft, savedTop;
  int left, top;
};

TEST_F(MainWindowTest, PlacementClampsTheSavedPosition) {
  const PlacementCase cases[] = {
      {"no saved position: centred", {0, 0, 1024, 768}, {0, 0, 400, 300}, false, 0, 0, 312, 234},
      {"odd sizes: halves truncate", {0, 0, 1023, 767}, {0, 0, 400, 300}, false, 0, 0, 311, 233},
      {"negative saved values move to 0", {0, 0, 1024, 768}, {0, 0, 400, 300}, true, -50, -1, 0, 0},
      {"right edge beyond the desktop", {0, 0, 1024, 768}, {0, 0, 400, 300}, true, 700, 500, 624,
       468},
      {"right edge exactly on the desktop's", {0, 0, 1024, 768}, {0, 0, 400, 300}, true, 624, 468,
       624, 468},
      {"one pixel inside stays", {0, 0, 1024, 768}, {0, 0, 400, 300}, true, 623, 467, 623, 467},
      {"larger than the desktop ends negative", {0, 0, 1024, 768}, {0, 0, 1200, 900}, false, 0, 0,
       -176, -132},
      {"the normal rectangle's size, not its place", {0, 0, 1024, 768}, {100, 50, 500, 350}, true,
       10, 20, 10, 20},
      {"the largest integers end on the desktop", {0, 0, 1024, 768}, {0, 0, 400, 300}, true,
       INT_MAX, INT_MAX - 1, 624, 468},
      {"the smallest integers move to 0", {0, 0, 1024, 768}, {0, 0, 400, 300}, true, INT_MIN,
       INT_MIN, 0, 0},
  };
  for (const PlacementCase& c : cases) {
    test::Desk d;
    FakeView v;
    v.desktop = c.desktop;
    v.normal = c.normal;
    if (c.saved) {
      d.profile.Set("Window", "Left", std::to_string(c.savedLeft));
      d.profile.Set("Window", "Top", std::to_string(c.savedTop));
    }
    BareWindow window(kPersonalWindowTraits, d.services);
    window.Attach(&v);
    window.OnInit();
    EXPECT_EQ(v.placeCalls, 1) << c.what;
    EXPECT_EQ(v.normal.left, c.left) << c.what;
    EXPECT_EQ(v.normal.top, c.top) << c.what;
    EXPECT_EQ(v.normal.Width(), c.normal.Width()) << c.what;
    EXPECT_EQ(v.normal.Height(), c.normal.Height()) << c.what;
  }
}

TEST_F(MainWindowTest, DestroyWritesTopThenLeftOfTheNormalRectangle) {
  BareWindow window(kGroupWindowTraits, desk.services);
  Open(window);
  view.normal = {-30, 77, 370, 377};
  window.OnDestroy();
  ASSERT_EQ(desk.profile.writes.size(), 2u);
  EXPECT_EQ(desk.profile.writes[0].section, "Window");
  EXPECT_EQ(desk.profile.writes[0].key, "Top");
  EXPECT_EQ(desk.profile.writes[0].value, "77");
  EXPECT_EQ(desk.profile.writes[1].key, "Left");
  EXPECT_EQ(desk.profile.writes[1].value, "-30");
}

TEST_F(MainWindowTest, OpenStepsAddTheVersionItemAndIcons) {
  view.strings[kVersionStringId] = "バージョン情報";
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  ASSERT_EQ(view.systemMenu.size(), 1u);
  EXPECT_EQ(view.systemMenu[0].first, 16);
  EXPECT_EQ(view.systemMenu[0].second, "バージョン情報");
  EXPECT_EQ(view.icon, 144);
  EXPECT_EQ(view.title, "Quorvelマルチグループ");
  EXPECT_FALSE(view.ended);
}

TEST_F(MainWindowTest, EmptyVersionStringLeavesTheSystemMenu) {
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  EXPECT_TRUE(view.systemMenu.empty());
}

TEST_F(MainWindowTest, RunningWindowOfTheSameTitleTakesOver) {
  view.otherWindows = {"Quorvelグループ"};
  view.normal = {5, 6, 405, 306};
  BareWindow window(kGroupWindowTraits, desk.services);
  Open(window);
  EXPECT_TRUE(window.HandedOver());
  EXPECT_EQ(view.activationsPosted, std::vector<std::string>{"Quorvelグループ"});
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 0);
  // The rest of the opening still ran, and the position is saved.
  EXPECT_EQ(view.icon, 148);
  EXPECT_EQ(view.placeCalls, 1);
  window.OnDestroy();
  EXPECT_TRUE(desk.profile.Has("Window", "Top"));
  EXPECT_TRUE(desk.profile.Has("Window", "Left"));
}

TEST_F(MainWindowTest, TitleMustMatchExactly) {
  // A window still carrying its template caption, with the blank.
  view.otherWindows = {"Quorvel グループ", "Quorvelグループ2"};
  BareWindow window(kGroupWindowTraits, desk.services);
  Open(window);
  EXPECT_FALSE(window.HandedOver());
  EXPECT_FALSE(view.ended);
}

TEST_F(MainWindowTest, EscIconisesWhereTheCancelCommandIsTheIconiseControl) {
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  window.OnCommand(kIdCancel, kNotifyClicked);
  EXPECT_TRUE(window.Iconised());
  EXPECT_EQ(view.trayIcon, 131);
  EXPECT_EQ(view.trayTip, "Quorvel");
  EXPECT_FALSE(view.visible);
  EXPECT_FALSE(view.ended);
  window.OnCancel();  // the caption's close box
  EXPECT_FALSE(view.ended);
}

TEST_F(MainWindowTest, ControlsPerTraits) {
  struct Case {
    const MainWindowTraits* traits;
    int command;
    bool iconises;
    bool ends;
    int result;
    int trayIcon;
  };
  const Case cases[] = {
      {&kPersonalWindowTraits, 1011, true, false, 0, 129},
      {&kPersonalWindowTraits, kIdCancel, false, true, kIdCancel, 0},
      {&kMultiUserWindowTraits, 1011, true, false, 0, 132},
      {&kMultiUserWindowTraits, kIdCancel, false, true, kIdCancel, 0},
      {&kGroupWindowTraits, kIdCancel, true, false, 0, 130},
      {&kGroupWindowTraits, 1080, false, true, 0, 0},
      {&kMultiGroupWindowTraits, 1080, false, true, 0, 0},
      {&kMultiGroupWindowTraits, kIdOk, false, false, 0, 0},  // hidden OK: Enter
      {&kPersonalWindowTraits, kIdOk, false, false, 0, 0},
  };
  for (const Case& c : cases) {
    test::Desk d;
    FakeView v;
    BareWindow window(*c.traits, d.services);
    window.Attach(&v);
    window.OnInit();
    window.OnCommand(c.command, kNotifyClicked);
    const std::string what = std::string(c.traits->title) + " " + std::to_string(c.command);
    EXPECT_EQ(window.Iconised(), c.iconises) << what;
    EXPECT_EQ(v.ended, c.ends) << what;
    if (c.ends) {
      EXPECT_EQ(v.result, c.result) << what;
    }
    EXPECT_EQ(v.trayIcon, c.trayIcon) << what;
  }
}

TEST_F(MainWindowTest, OnlyALeftPressOnTheTrayIconRestores) {
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  window.OnCommand(kIdCancel, kNotifyClicked);
  // WM_RBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE
  for (int ignored : {0x0204, 0x0202, 0x0203, 0x0200}) {
    window.OnTrayMessage(ignored);
    EXPECT_TRUE(window.Iconised()) << ignored;
  }
  EXPECT_EQ(view.trayDeletes, 0);
  EXPECT_EQ(window.refreshes, 0);
  EXPECT_FALSE(view.visible);

  window.OnTrayMessage(kMouseLeftDown);
  EXPECT_FALSE(window.Iconised());
  EXPECT_EQ(view.trayDeletes, 1);
  EXPECT_EQ(window.refreshes, 1);
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.showCalls.back(), WindowShow::Restore);
}

TEST_F(MainWindowTest, TrayRestoreRefreshesOnlyWhereTheTraitsSay) {
  BareWindow window(kPersonalWindowTraits, desk.services);
  Open(window);
  window.OnCommand(1011, kNotifyClicked);
  window.OnTrayMessage(kMouseLeftDown);
  EXPECT_EQ(window.refreshes, 0);
  EXPECT_FALSE(window.Iconised());
}

TEST_F(MainWindowTest, ActivationRequestWhileIconised) {
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  window.OnCommand(kIdCancel, kNotifyClicked);
  window.OnActivationRequest();
  EXPECT_FALSE(window.Iconised());
  EXPECT_EQ(view.trayDeletes, 1);
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.foregroundCalls, 0);
  EXPECT_EQ(window.refreshes, 0);
}

TEST_F(MainWindowTest, ActivationRequestWhileShown) {
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  window.OnActivationRequest();
  EXPECT_EQ(view.trayDeletes, 0);
  EXPECT_EQ(view.showCalls.back(), WindowShow::Restore);
  EXPECT_EQ(view.foregroundCalls, 1);
}

TEST_F(MainWindowTest, NoTrayIconNoHiding) {
  view.trayWorks = false;
  BareWindow window(kMultiGroupWindowTraits, desk.services);
  Open(window);
  window.OnCommand(kIdCancel, kNotifyClicked);
  EXPECT_EQ(view.trayAdds, 1);
  EXPECT_FALSE(window.Iconised());
  EXPECT_TRUE(view.visible);
  EXPECT_TRUE(view.showCalls.empty());
}

TEST_F(MainWindowTest, RestartedTaskbarGetsTheIconBack) {
  BareWindow window(kGroupWindowTraits, desk.services);
  Open(window);
  window.OnTaskbarCreated();
  EXPECT_EQ(view.trayAdds, 0);  // shown windows have no icon
  window.OnCommand(kIdCancel, kNotifyClicked);
  window.OnTaskbarCreated();
  EXPECT_EQ(view.trayAdds, 2);
  EXPECT_EQ(view.trayIcon, 130);
  EXPECT_TRUE(window.Iconised());
  // If the shell refuses it now, the window comes back rather than stay
  // unreachable.
  view.trayWorks = false;
  window.OnTaskbarCreated();
  EXPECT_FALSE(window.Iconised());
  EXPECT_TRUE(view.visible);
}

TEST_F(MainWindowTest, VersionCommandRunsTheVersionPanel) {
  struct Case {
    const MainWindowTraits* traits;
    Edition edition;
  };
  for (const Case& c : {Case{&kPersonalWindowTraits, Edition::Personal},
                        Case{&kGroupWindowTraits, Edition::Group},
                        Case{&kMultiUserWindowTraits, Edition::MultiUser},
                        Case{&kMultiGroupWindowTraits, Edition::MultiGroup}}) {
    test::Desk d;
    FakeView v;
    Edition seen = Edition::None;
    d.runner.On(VersionPanel::kTemplateId, [&](Dialog& panel, FakeView&) {
      seen = dynamic_cast<VersionPanel&>(panel).ShownEdition();
    });
    BareWindow window(*c.traits, d.services);
    window.Attach(&v);
    window.OnInit();
    EXPECT_TRUE(window.OnSystemCommand(16));
    EXPECT_EQ(seen, c.edition) << c.traits->title;
  }
  BareWindow window(kMultiUserWindowTraits, desk.services);
  Open(window);
  EXPECT_FALSE(window.OnSystemCommand(0xF060));  // SC_CLOSE
  EXPECT_FALSE(window.OnSystemCommand(0xF010));  // SC_MOVE
  EXPECT_TRUE(desk.runner.runs.empty());
  EXPECT_TRUE(window.OnSystemCommand(16));
  EXPECT_EQ(desk.runner.runs, (std::vector<int>{146}));
}

}  // namespace
}  // namespace quorvel
