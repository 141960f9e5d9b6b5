// The release's sample profile as a desk puts it in place: the personal
// window's buttons carry its labels, and its automatic presses name the
// buttons its comments promise.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "tests/e2e/Board.h"

namespace quorvel::e2e {
namespace {

const int kStatusButtons[] = {
    IDC_STATUS_BUTTON1,  IDC_STATUS_BUTTON2,  IDC_STATUS_BUTTON3,  IDC_STATUS_BUTTON4,
    IDC_STATUS_BUTTON5,  IDC_STATUS_BUTTON6,  IDC_STATUS_BUTTON7,  IDC_STATUS_BUTTON8,
    IDC_STATUS_BUTTON9,  IDC_STATUS_BUTTON10, IDC_STATUS_BUTTON11, IDC_STATUS_BUTTON12,
    IDC_STATUS_BUTTON13, IDC_STATUS_BUTTON14, IDC_STATUS_BUTTON15, IDC_STATUS_BUTTON16,
    IDC_STATUS_BUTTON17, IDC_STATUS_BUTTON18, IDC_STATUS_BUTTON19, IDC_STATUS_BUTTON20,
    IDC_STATUS_BUTTON21};

using ReleaseProfile = BoardTest;

TEST_F(ReleaseProfile, TheSampleProfilesLabelsAreOnThePersonalWindowsButtons) {
  // Code page 932 with CRLF, as the zip ships it.
  const std::string sample = test::ReadFileBytes(WindowsPath(QUORVEL_SAMPLE_PROFILE));
  ASSERT_FALSE(sample.empty()) << QUORVEL_SAMPLE_PROFILE;
  test::WriteFileBytes(ProfilePath(), sample);
  SeatDesk();  // each desk's own, on the test's share

  std::vector<std::string> labels;
  for (int n = 1; n <= 21; ++n)
    labels.push_back(ProfileText("Button", ("Button" + std::to_string(n)).c_str()));
  const std::vector<std::string> office = {"在席", "離席", "会議中", "外出",
                                           "来客中", "帰宅", "休暇", "出張"};
  EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 8), office);
  const auto pressed = [&](const char* key) {
    const int n = GetPrivateProfileIntA("Personal", key, 0, ProfilePath().c_str());
    return n >= 1 && n <= 21 ? labels[static_cast<std::size_t>(n - 1)] : "(none)";
  };
  EXPECT_EQ(pressed("OnExit"), "帰宅");
  EXPECT_EQ(pressed("OnLock"), "離席");
  EXPECT_EQ(pressed("OnUnlock"), "在席");

  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal =
      RunFromChooser(program, &board, &chooser, IDC_CHOOSE_PERSONAL, "Quorvelパーソナル");
  ASSERT_NE(personal, nullptr);
  Settle(personal);
  for (int n = 0; n < 21; ++n) {
    EXPECT_FALSE(labels[static_cast<std::size_t>(n)].empty()) << "button " << n + 1;
    EXPECT_EQ(ControlText(personal, kStatusButtons[n]), labels[static_cast<std::size_t>(n)])
        << "button " << n + 1;
  }
  SaveShot("personal-sample-labels", personal);
  CloseThroughChooser(program, board, chooser, personal);
}

}  // namespace
}  // namespace quorvel::e2e
