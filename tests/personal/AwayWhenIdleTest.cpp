#include <gtest/gtest.h>

#include "personal/PersonalWindow.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

// The desk's last input, wound on by the test.
struct FakeInputClock : InputClock {
  std::uint32_t sinceInput = 0;
  std::uint32_t MillisecondsSinceInput() override { return sinceInput; }
};

constexpr int kIdleTimer = 1;
constexpr std::uint32_t kMinute = 60 * 1000;

struct AwayWhenIdleTest : test::WindowFixture<PersonalWindow> {
  FakeInputClock input;

  AwayWhenIdleTest() {
    desk.platform.input = &input;
    desk.SeatDesk();
    desk.profile.Set("Personal", "OnIdle", "3");
    desk.profile.Set("Personal", "OnUnlock", "1");
    desk.profile.Set("Personal", "OnLock", "2");
    desk.profile.Set("Button", "Button1", "在席");
    desk.profile.Set("Button", "Button2", "ロック中");
    desk.profile.Set("Button", "Button3", "離席");
  }
  // One tick of the idle check, the desk left for `idle` ms.
  std::string After(std::uint32_t idle) {
    input.sinceInput = idle;
    window.OnTimer(kIdleTimer);
    return window.StatusText();
  }
  void Session(SessionChange change) { window.OnSessionChange(change); }
};

TEST_F(AwayWhenIdleTest, OnePressPerIdleSpellAndTheUnlockButtonAtTheNextInput) {
  desk.profile.Set("Personal", "IdleMinutes", "2");
  Open();
  ASSERT_EQ(view.timers[kIdleTimer], 15000);
  view.texts[IDC_PANEL_REMARK] = "昼食";
  EXPECT_EQ(After(kMinute), "In");
  EXPECT_EQ(After(2 * kMinute), "離席 昼食") << "with the remark in its box";
  desk.clock.now.minute += 5;
  view.texts[IDC_PANEL_REMARK] = "";
  EXPECT_EQ(After(30 * kMinute), "離席 昼食") << "no second press while still idle";
  EXPECT_EQ(After(200), "在席 ") << "back at the next input";
  EXPECT_EQ(After(60 * 1000), "在席 ");
  EXPECT_EQ(After(2 * kMinute), "離席 ") << "a new spell";
  window.OnDestroy();
  EXPECT_EQ(view.timers.count(kIdleTimer), 0u);
}

TEST_F(AwayWhenIdleTest, ALockInsideAnIdleSpellPressesOnceAndTheUnlockEndsIt) {
  Open();
  EXPECT_EQ(After(10 * kMinute), "離席 ") << "IdleMinutes absent: 10";
  Session(SessionChange::Lock);
  EXPECT_EQ(window.StatusText(), "離席 ") << "the lock adds no press";
  Session(SessionChange::Unlock);
  EXPECT_EQ(window.StatusText(), "在席 ");
  // The input that unlocked is no second return.
  desk.profile.Set("Button", "Button1", "戻り");
  EXPECT_EQ(After(100), "在席 ");

  // Locked first, then left idle behind the lock: the lock's button only.
  Session(SessionChange::Lock);
  EXPECT_EQ(window.StatusText(), "ロック中 ");
  EXPECT_EQ(After(20 * kMinute), "ロック中 ");
  Session(SessionChange::Unlock);
  EXPECT_EQ(window.StatusText(), "戻り ");
}

TEST_F(AwayWhenIdleTest, NoCheckInProxyModeOrWithoutAButtonAndOutOfRangeMinutesAreTen) {
  desk.profile.Set("Personal", "IdleMinutes", "721");
  Open();
  EXPECT_EQ(After(9 * kMinute), "In");
  EXPECT_EQ(After(10 * kMinute), "離席 ");

  desk.profile.Set("Personal", "OnIdle", "22");
  PersonalWindow unset(desk.services);
  FakeView unsetView;
  unset.Attach(&unsetView);
  unset.OnInit();
  EXPECT_EQ(unsetView.timers.count(kIdleTimer), 0u) << "no button in range: no check";

  desk.profile.Set("Personal", "OnIdle", "3");
  desk.PutMember("営業", "A01", "y A01 In 1999061508000000\n");
  PersonalWindow proxy(desk.services);
  FakeView proxyView;
  proxy.SetRequest({{"y", "A01", "営業", desk.share.Path()}, true, true});
  proxy.Attach(&proxyView);
  proxy.OnInit();
  EXPECT_EQ(proxyView.timers.count(kIdleTimer), 0u);
  input.sinceInput = 60 * kMinute;
  proxy.OnTimer(kIdleTimer);
  EXPECT_EQ(test::ReadFileBytes(desk.StatusPath("営業", "A01")), "y A01 In 1999061508000000\n");
}

}  // namespace
}  // namespace quorvel
