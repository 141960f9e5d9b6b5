// Statuses without a window: qvlstatus from a script, and the personal
// window following the desk's lock and unlock.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "tests/e2e/Board.h"

namespace quorvel::e2e {
namespace {

// Runs a console program with its output through a pipe; its exit code.
int RunConsole(const std::string& commandLine, const std::string& folder, std::string* out) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return -1;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = write;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::string command = commandLine;
  const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, folder.c_str(), &si, &pi);
  CloseHandle(write);
  if (!started) {
    CloseHandle(read);
    return -1;
  }
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) out->append(buffer, got);
  CloseHandle(read);
  WaitForSingleObject(pi.hProcess, 30000);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return static_cast<int>(code);
}

std::string StatusProgram() {
  std::string exe = gExe;
  return exe.substr(0, exe.find_last_of("\\/") + 1) + "qvlstatus.exe";
}

using StatusWithoutAWindow = BoardTest;

TEST_F(StatusWithoutAWindow, AScriptSetsAndListsTheDesksStatus) {
  AddGroup("営業");
  AddMember("営業", "A01", "山田", "在席", "2026120908000000");
  SetIdentity("鈴木", "B02", "営業");
  WritePrivateProfileStringA("Button", "Button2", "離席", ProfilePath().c_str());
  const std::string program = "\"" + StatusProgram() + "\"";
  std::string out;
  ASSERT_EQ(RunConsole(program + " 2 会議中", work_.Path(), &out), 0) << out;
  // hh:mm after the status; a Windows console program ends lines with CR LF.
  const std::string written = "離席 会議中 (";
  EXPECT_EQ(out.substr(0, written.size()), written);
  EXPECT_EQ(out.size(), written.size() + 8) << out;
  const std::vector<std::string> tokens = StatusTokens(StatusPath("営業", "B02"));
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[2], "離席 会議中");

  out.clear();
  ASSERT_EQ(RunConsole(program + " --list", work_.Path(), &out), 0);
  EXPECT_EQ(out.substr(0, out.find('\n')),
            Padded("山田", 16) + " " + Padded("A01", 16) + " 在席 (12/09 08:00)\r");
  EXPECT_NE(out.find(Padded("鈴木", 16) + " " + Padded("B02", 16) + " 離席 会議中 ("),
            std::string::npos);

  out.clear();
  EXPECT_EQ(RunConsole(program + " 2 " + std::string(33, 'x'), work_.Path(), &out), 2);
  EXPECT_EQ(out, "32 文字以内で入力してください。\r\n");
  out.clear();
  WritePrivateProfileStringA("Personal", "Group", "無い", ProfilePath().c_str());
  EXPECT_EQ(RunConsole(program + " 1", work_.Path(), &out), 1);
  EXPECT_EQ(out, "状況ファイルが作成できません\r\n") << "no message box, the store's text";
}

TEST_F(StatusWithoutAWindow, ThePersonalWindowFollowsLockAndUnlock) {
  SeatDesk();
  const std::string profile = ProfilePath();
  WritePrivateProfileStringA("Personal", "OnLock", "2", profile.c_str());
  WritePrivateProfileStringA("Personal", "OnUnlock", "1", profile.c_str());
  WritePrivateProfileStringA("Button", "Button1", "在席", profile.c_str());
  WritePrivateProfileStringA("Button", "Button2", "離席", profile.c_str());
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = RunFromChooser(program, &board, &chooser, IDC_CHOOSE_PERSONAL, "Quorvelパーソナル");
  ASSERT_NE(personal, nullptr);
  SetControlText(personal, IDC_PANEL_REMARK, "昼食");

  PostMessageW(personal, WM_WTSSESSION_CHANGE, 7 /* WTS_SESSION_LOCK */, 1);
  ASSERT_TRUE(WaitUntil(5000, [&] {
    const auto t = StatusTokens(StatusPath("営業", "B02"));
    return t.size() == 4 && t[2] == "離席 昼食";
  }));
  PostMessageW(personal, WM_WTSSESSION_CHANGE, 8 /* WTS_SESSION_UNLOCK */, 1);
  ASSERT_TRUE(WaitUntil(5000, [&] {
    const auto t = StatusTokens(StatusPath("営業", "B02"));
    return t.size() == 4 && t[2] == "在席 昼食";
  }));
  EXPECT_EQ(ControlText(personal, IDC_PANEL_STATUS), "在席 昼食");

  CloseThroughChooser(program, board, chooser, personal);
}

}  // namespace
}  // namespace quorvel::e2e
