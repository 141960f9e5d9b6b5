#pragma once
// What every end-to-end test starts from: a working folder with a share, a
// group list file and the profile in the Windows directory, and the real
// quorvel.exe started there.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/Driver.h"
#include "tests/support/TempDir.h"

namespace quorvel::e2e {

extern std::string gExe;  // the program under test, from the command line

extern const char kBoardTitle[];  // "Quorvelマルチグループ"

std::string WindowsPath(std::string path);
std::string ProfilePath();
std::string StatusLine(const std::string& name, const std::string& code,
                       const std::string& status, const std::string& stamp);
std::string Padded(const std::string& text, std::size_t width);
// The tokens of a status file, decoded; and whether a token is a stamp.
std::vector<std::string> StatusTokens(const std::string& path);
bool IsStamp(const std::string& token);
// Pictures for people to look at, when QUORVEL_SHOTS names a folder. Given a
// window, its place on the screen goes beside the picture (name.rect, as
// ImageMagick's WxH+X+Y), to cut it out.
void SaveShot(const char* name, HWND window = nullptr);

class BoardTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string AddGroup(const std::string& group);
  void AddMember(const std::string& group, const std::string& code, const std::string& name,
                 const std::string& status, const std::string& stamp);
  void WriteGroupList(const std::vector<std::string>& groups);
  std::string GroupListBytes();
  std::string StatusPath(const std::string& group, const std::string& code);
  std::string MemoPath(const std::string& group, const std::string& code);
  // The desk's own member in the profile, on the test share.
  void SetIdentity(const std::string& name, const std::string& code, const std::string& group);
  // The usual desk: 鈴木 (B02) of 営業, the one group of the list.
  void SeatDesk();
  std::string ProfileText(const char* section, const char* key);

  // Starts the program and waits for its main window.
  HWND Start(Program& program);
  // "閉じる" ends the window and with it the program.
  void EndWithClose(Program& program, HWND window);
  // The edition chooser, from the board's system menu.
  HWND OpenChooser(HWND board);
  // The board, the chooser, then the window of the chooser's button.
  HWND RunFromChooser(Program& program, HWND* board, HWND* chooser, int button,
                      const std::string& title);
  // Closes the edition's window (when given), then the chooser once it is
  // back, then the board, and with it the program.
  void CloseThroughChooser(Program& program, HWND board, HWND chooser, HWND edition = nullptr,
                           int closeButton = IDCANCEL);

  test::TempDir work_;
  std::string share_;
};

}  // namespace quorvel::e2e
