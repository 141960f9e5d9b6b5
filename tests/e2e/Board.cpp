#include "tests/e2e/Board.h"

#include <cstdio>
#include <cstdlib>

#include "res/resource.h"
#include "store/TextCodec.h"

namespace quorvel::e2e {

std::string gExe;
const char kBoardTitle[] = "Quorvelマルチグループ";

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') {
    for (char& c : path)
      if (c == '/') c = '\\';
    path = "Z:" + path;
  }
  return path;
}

std::string ProfilePath() {
  char dir[MAX_PATH + 1] = {};
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\QVL.ini";
}

std::string StatusLine(const std::string& name, const std::string& code,
                       const std::string& status, const std::string& stamp) {
  return Encode(name) + " " + Encode(code) + " " + Encode(status) + " " + Encode(stamp) + "\n";
}

std::string Padded(const std::string& text, std::size_t width) {
  std::string out = text;
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::vector<std::string> StatusTokens(const std::string& path) {
  const std::string bytes = test::ReadFileBytes(path);
  std::vector<std::string> tokens;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of(" \n", start);
    if (end == std::string::npos) break;
    tokens.push_back(Decode(bytes.substr(start, end - start)));
    start = end + 1;
  }
  return tokens;
}

bool IsStamp(const std::string& token) {
  if (token.size() != 16) return false;
  for (char c : token)
    if (c < '0' || c > '9') return false;
  return true;
}

void SaveShot(const char* name, HWND window) {
  const char* shots = std::getenv("QUORVEL_SHOTS");
  if (shots == nullptr) return;
  const std::string stem = std::string(shots) + "\\" + name;
  SaveScreenshot(stem + ".bmp");
  RECT r;
  if (window == nullptr || !GetWindowRect(window, &r)) return;
  char rect[64];
  std::snprintf(rect, sizeof rect, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left,
                r.top);
  test::WriteFileBytes(stem + ".rect", rect);
}

void BoardTest::SetUp() {
  DeleteFileA(ProfilePath().c_str());
  share_ = work_ / "share";
  test::MakeFolder(share_);
}

void BoardTest::TearDown() { DeleteFileA(ProfilePath().c_str()); }

std::string BoardTest::AddGroup(const std::string& group) {
  const std::string folder = share_ + "\\" + Encode(group);
  test::MakeFolder(folder);
  return folder;
}

std::string BoardTest::StatusPath(const std::string& group, const std::string& code) {
  return share_ + "\\" + Encode(group) + "\\" + Encode(code) + ".sta";
}

std::string BoardTest::MemoPath(const std::string& group, const std::string& code) {
  return share_ + "\\" + Encode(group) + "\\" + Encode(code) + ".mem";
}

void BoardTest::AddMember(const std::string& group, const std::string& code,
                          const std::string& name, const std::string& status,
                          const std::string& stamp) {
  test::WriteFileBytes(StatusPath(group, code), StatusLine(name, code, status, stamp));
}

void BoardTest::WriteGroupList(const std::vector<std::string>& groups) {
  std::string bytes;
  for (const std::string& g : groups) bytes += Encode(share_) + " " + Encode(g) + "\n";
  test::WriteFileBytes(work_ / "QVL.gl", bytes);
}

std::string BoardTest::GroupListBytes() { return test::ReadFileBytes(work_ / "QVL.gl"); }

void BoardTest::SetIdentity(const std::string& name, const std::string& code,
                            const std::string& group) {
  const std::string profile = ProfilePath();
  WritePrivateProfileStringA("Personal", "MyName", name.c_str(), profile.c_str());
  WritePrivateProfileStringA("Personal", "MyCode", code.c_str(), profile.c_str());
  WritePrivateProfileStringA("Personal", "Group", group.c_str(), profile.c_str());
  WritePrivateProfileStringA("System", "ServerName", share_.c_str(), profile.c_str());
}

void BoardTest::SeatDesk() {
  AddGroup("営業");
  WriteGroupList({"営業"});
  SetIdentity("鈴木", "B02", "営業");
}

std::string BoardTest::ProfileText(const char* section, const char* key) {
  char value[256] = {};
  GetPrivateProfileStringA(section, key, "", value, sizeof value, ProfilePath().c_str());
  return value;
}

HWND BoardTest::Start(Program& program) {
  EXPECT_TRUE(program.Started());
  return WaitWindow(kBoardTitle);
}

void BoardTest::EndWithClose(Program& program, HWND window) {
  Press(window, IDC_CLOSE_WINDOW);
  EXPECT_TRUE(program.WaitExit(10000));
}

HWND BoardTest::OpenChooser(HWND board) {
  // The system menu of another process cannot be read; its command can be sent.
  PostMessageW(board, WM_SYSCOMMAND, IDM_EDITION_SELECT, 0);
  return WaitWindow("Presence");
}

HWND BoardTest::RunFromChooser(Program& program, HWND* board, HWND* chooser, int button,
                               const std::string& title) {
  *board = Start(program);
  *chooser = *board != nullptr ? OpenChooser(*board) : nullptr;
  if (*chooser == nullptr) return nullptr;
  Press(*chooser, button);
  return WaitWindow(title);
}

void BoardTest::CloseThroughChooser(Program& program, HWND board, HWND chooser, HWND edition,
                                    int closeButton) {
  if (edition != nullptr) {
    EXPECT_TRUE(PressToClose(edition, closeButton));
    EXPECT_TRUE(WaitUntil(5000, [&] { return !IsIconic(chooser); })) << "the chooser comes back";
  }
  EXPECT_TRUE(PressToClose(chooser, IDCANCEL));
  EndWithClose(program, board);
}

}  // namespace quorvel::e2e

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorvel_e2e <path of quorvel.exe>\n");
    return 2;
  }
  quorvel::e2e::gExe = quorvel::e2e::WindowsPath(argv[1]);
  return RUN_ALL_TESTS();
}
