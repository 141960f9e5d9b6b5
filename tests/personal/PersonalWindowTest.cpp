#include "personal/PersonalWindow.h"

#include <gtest/gtest.h>

#include "store/StatusFile.h"
#include "tests/support/WindowFixture.h"
#include "ui/Controls.h"

namespace quorvel {
namespace {

using test::FakeView;

struct PersonalWindowTest : test::WindowFixture<PersonalWindow> {
  void Press(int n) { window.OnCommand(kStatusButtonIds[n - 1], kNotifyClicked); }
  std::string StatusFile() { return test::ReadFileBytes(desk.StatusPath("営業", "B02")); }
};

TEST_F(PersonalWindowTest, APressTakesTheLabelAtThatMomentAndTheRemark) {
  desk.SetIdentity("鈴木", "B02", "営業");
  desk.PutMember("営業", "B02", "x B02 =8D=DD=90=C8 1999061508000000\n");  // 在席
  Open();
  EXPECT_EQ(view.texts[IDC_PANEL_STATUS], "在席");
  EXPECT_EQ(view.texts[IDC_PANEL_LAST_UPDATE], "06/15 08:00");
  EXPECT_EQ(view.texts[IDC_STATUS_BUTTON4], "項目4");

  // Another window changed the label after this one opened.
  desk.profile.Set("Button", "Button4", "外出");
  view.texts[IDC_PANEL_REMARK] = "15時戻り";
  desk.clock.now = {2026, 12, 9, 14, 5, 0};
  Press(4);
  EXPECT_EQ(StatusFile(), Encode("鈴木") + " B02 " + Encode("外出 15時戻り") + " 2026120914050000\n");
  EXPECT_EQ(view.texts[IDC_PANEL_STATUS], "外出 15時戻り");
  EXPECT_EQ(view.texts[IDC_PANEL_LAST_UPDATE], "14:05");
  EXPECT_EQ(view.texts[IDC_PANEL_REMARK], "15時戻り") << "kept for the next press";

  view.texts[IDC_PANEL_REMARK] = "";
  Press(21);
  EXPECT_EQ(window.StatusText(), "項目21 ");
}

TEST_F(PersonalWindowTest, TheAutomaticStatusAtLogOffIsTheDesksOwn) {
  desk.SeatDesk();
  desk.PutMember("営業", "A01", "y A01 In 1999061508000000\n");
  desk.profile.Set("Personal", "OnExit", "3");
  desk.profile.Set("Button", "Button3", "帰宅");

  // A proxy window left open at log-off writes nothing for the colleague.
  window.SetRequest({{"y", "A01", "営業", desk.share.Path()}, true, true});
  Open();
  window.OnEndSession(true);
  EXPECT_EQ(test::ReadFileBytes(desk.StatusPath("営業", "A01")), "y A01 In 1999061508000000\n");

  PersonalWindow own(desk.services);
  FakeView ownView;
  own.Attach(&ownView);
  own.OnInit();
  ownView.texts[IDC_PANEL_REMARK] = "また明日";
  own.OnEndSession(true);
  EXPECT_EQ(own.StatusText(), "帰宅 また明日");

  desk.profile.Set("Personal", "OnExit", "0");
  ownView.texts[IDC_PANEL_REMARK] = "changed";
  own.OnEndSession(true);
  EXPECT_EQ(own.StatusText(), "帰宅 また明日");
}

TEST_F(PersonalWindowTest, LockAndUnlockPressTheirButtonsWhileTheWindowIsOpen) {
  desk.SeatDesk();
  desk.profile.Set("Personal", "OnLock", "2");
  desk.profile.Set("Personal", "OnUnlock", "1");
  desk.profile.Set("Button", "Button2", "離席");
  desk.profile.Set("Button", "Button1", "在席");
  Open();
  EXPECT_TRUE(view.watchingSession);
  window.OnSessionChange(SessionChange::Lock);
  EXPECT_EQ(window.StatusText(), "離席 ");
  window.OnSessionChange(SessionChange::Other);  // a console connect
  EXPECT_EQ(window.StatusText(), "離席 ");
  window.OnSessionChange(SessionChange::Unlock);
  EXPECT_EQ(window.StatusText(), "在席 ");
  window.OnDestroy();
  EXPECT_FALSE(view.watchingSession) << "the registration ends with the window";

  // A proxy window does not follow the desk's session.
  PersonalWindow proxy(desk.services);
  FakeView proxyView;
  proxy.SetRequest({{"y", "A01", "営業", desk.share.Path()}, true, true});
  proxy.Attach(&proxyView);
  proxy.OnInit();
  EXPECT_FALSE(proxyView.watchingSession);
  proxy.OnSessionChange(SessionChange::Lock);
  EXPECT_FALSE(test::PathExists(desk.StatusPath("営業", "A01")));
}

TEST_F(PersonalWindowTest, AutomaticNumbersBeyondTheButtonsPressNothing) {
  desk.SeatDesk();
  Open();
  for (const char* number : {"22", "99999999999", "0"}) {
    for (const char* key : {"OnExit", "OnLock", "OnUnlock"}) desk.profile.Set("Personal", key, number);
    window.OnEndSession(true);
    window.OnSessionChange(SessionChange::Lock);
    window.OnSessionChange(SessionChange::Unlock);
    EXPECT_EQ(StatusFile(), "x B02 In 1999061508000000\n") << number;
  }
}

TEST_F(PersonalWindowTest, ALabelOrNameTooLongForTheFileShowsAsTheFileKeepsIt) {
  std::string label;
  while (label.size() < 100 * 1024) label += "会議";
  desk.SetIdentity(std::string(100 * 1024, 'n'), "B02", "営業");
  desk.profile.Set("Button", "Button2", label);
  desk.PutMember("営業", "B02", "x B02 In 1999061508000000\n");
  Open();
  Press(2);
  StatusRecord onRecord = RecordFor(window.Member());
  ASSERT_TRUE(ReadStatus(desk.platform, onRecord));
  EXPECT_EQ(view.texts[IDC_PANEL_NAME], onRecord.name);
  EXPECT_EQ(view.texts[IDC_PANEL_STATUS], onRecord.status);
  EXPECT_EQ(view.texts[IDC_STATUS_BUTTON2], onRecord.status) << "the press kept the label alone";
  EXPECT_EQ(onRecord.status, label.substr(0, 76)) << "19 pairs of 10 escaped bytes in 192";
}

TEST_F(PersonalWindowTest, DisappearWithMemosWaitingAndTheAnswerNo) {
  desk.SeatDesk();
  test::WriteFileBytes(desk.MemoPath("営業", "B02"), "memo\n");
  Open();
  view.texts[IDC_PANEL_REMARK] = "r";
  desk.prompt.answers = {false};
  window.OnCommand(IDC_PANEL_DISAPPEAR, kNotifyClicked);
  EXPECT_EQ(desk.prompt.shown.at(0).question, true);
  EXPECT_FALSE(test::PathExists(desk.StatusPath("営業", "B02")));
  EXPECT_EQ(test::ReadFileBytes(desk.MemoPath("営業", "B02")), "memo\n");
  EXPECT_EQ(view.texts[IDC_PANEL_STATUS], "");
  EXPECT_EQ(view.texts[IDC_PANEL_LAST_UPDATE], "");
  EXPECT_EQ(view.texts[IDC_PANEL_REMARK], "");
}

// A name ending in a lone lead byte, which an edit box hands back as other
// bytes: the press writes the member as the group view read it.
TEST_F(PersonalWindowTest, AProxyPressWritesTheMemberNotWhatTheBoxesGiveBack) {
  const std::string name = "Ab\x82";
  desk.PutMember("営業", "B02", Encode(name) + " B02 x 1999061508000000\n");
  PersonalWindowRequest request;
  request.member = {name, "B02", "営業", desk.share.Path()};
  request.proxyInput = true;
  window.SetRequest(request);
  Open();
  view.texts[IDC_PANEL_NAME] = "Ab\x81\x45";  // "・" and what follows
  view.texts[IDC_PANEL_CODE] = "B0";
  view.texts[IDC_PANEL_GROUP] = "";
  Press(1);
  EXPECT_EQ(StatusFile(), Encode(name) + " B02 " + Encode("項目1 ") + " 1999061509301500\n");
}

}  // namespace
}  // namespace quorvel
