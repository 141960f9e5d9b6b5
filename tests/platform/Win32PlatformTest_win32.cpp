// What only the Win32 layer does: real message boxes and the profile's
// bare name resolved in the Windows directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32Prompt.h"

namespace quorvel {
namespace {

const char kCaption[] = "Quorvel Multi Group";

struct SeenBox {
  bool found = false;
  std::vector<std::string> texts;  // of the box's controls
  bool hasOk = false, hasYes = false, hasNo = false;
  bool exclamation = false;
};

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
  char text[512] = {};
  GetWindowTextA(child, text, sizeof text);
  reinterpret_cast<SeenBox*>(param)->texts.push_back(text);
  const HICON exclamation = LoadIconA(nullptr, IDI_EXCLAMATION);
  if (exclamation != nullptr &&
      SendMessageA(child, STM_GETICON, 0, 0) == reinterpret_cast<LRESULT>(exclamation))
    reinterpret_cast<SeenBox*>(param)->exclamation = true;
  return TRUE;
}

// Waits on another thread for the box, notes what it shows and presses
// `answer`, while this thread sits in MessageBoxA.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(int answer)
      : thread_([this, answer] {
          for (int i = 0; i < 200; ++i) {
            HWND box = FindWindowA("#32770", kCaption);
            if (box != nullptr && IsWindowVisible(box)) {
              seen.found = true;
              seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
              seen.hasYes = GetDlgItem(box, IDYES) != nullptr;
              seen.hasNo = GetDlgItem(box, IDNO) != nullptr;
              EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&seen));
              PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
              return;
            }
            Sleep(50);
          }
        }) {}
  ~BoxAnswerer() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  SeenBox seen;

 private:
  std::thread thread_;
};

bool Shows(const SeenBox& box, const std::string& text) {
  for (const std::string& t : box.texts)
    if (t == text) return true;
  return false;
}

TEST(Win32Prompt, AlertShowsTextUnderTheCaptionWithOkOnly) {
  Win32Prompt prompt(kCaption);
  const std::string text = "\x8F\xF3\x8B\xB5\x83\x74\x83\x40\x83\x43\x83\x8B";  // 状況ファイル
  BoxAnswerer answerer(IDOK);
  prompt.Alert(text + "\r\nline 2");
  answerer.Join();
  ASSERT_TRUE(answerer.seen.found) << "no box with the caption appeared";
  EXPECT_TRUE(answerer.seen.hasOk);
  EXPECT_FALSE(answerer.seen.hasYes);
  EXPECT_FALSE(answerer.seen.hasNo);
  EXPECT_TRUE(Shows(answerer.seen, text + "\r\nline 2"));
  EXPECT_TRUE(answerer.seen.exclamation);
}

TEST(Win32Prompt, QuestionIsTrueForYesOnly) {
  Win32Prompt prompt(kCaption);
  for (int answer : {IDYES, IDNO}) {
    BoxAnswerer answerer(answer);
    const bool result = prompt.AskYesNo("delete?");
    answerer.Join();
    ASSERT_TRUE(answerer.seen.found);
    EXPECT_TRUE(answerer.seen.hasYes);
    EXPECT_TRUE(answerer.seen.hasNo);
    EXPECT_FALSE(answerer.seen.hasOk);
    EXPECT_TRUE(answerer.seen.exclamation);
    EXPECT_TRUE(Shows(answerer.seen, "delete?"));
    EXPECT_EQ(result, answer == IDYES);
  }
}

TEST(Win32Profile, BareNameLivesInTheWindowsDirectory) {
  char windows[MAX_PATH + 1] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  const std::string path = std::string(windows) + "\\QVL.ini";
  const bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::string section = "QuorvelTest" + std::to_string(GetCurrentProcessId());
  Win32Profile profile("QVL.ini");
  profile.WriteText(section, "k", "v");
  EXPECT_EQ(Win32Profile(path).ReadText(section, "k"), "v");
  EXPECT_EQ(profile.ReadText(section, "k"), "v");
  // Leave the prefix as it was.
  WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str());
  if (!existed) DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace quorvel
