// Prepares a demo working folder for a newcomer: a share with three groups,
// members with statuses and memos, and the group list file that watches
// them. Everything goes through the store, so the files are the real thing.
// For the run command without a display it also shows the running board's
// first group and ends the board again.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "store/GroupListFile.h"
#include "store/GroupMembership.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"

namespace {

class ConsolePrompt : public quorvel::Prompt {
 public:
  void Alert(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  bool AskYesNo(const std::string& text) override {
    Alert(text);
    return true;
  }
};

struct DemoMember {
  const char* code;
  const char* name;
  const char* status;
  const char* stamp;
};

struct DemoGroup {
  const char* name;
  DemoMember members[5];
};

const DemoGroup kGroups[] = {
    {"営業部",
     {{"E01", "山田 太郎", "外出 15時戻り", "2026120913050000"},
      {"E02", "佐藤 花子", "在席", "2026120908550000"},
      {"E03", "鈴木 一郎", "会議 第2会議室", "2026120910300000"},
      {"E10", "高橋 美咲", "休暇", "2026120818000000"},
      {"E04", "田中 健", "直帰", "2026120916450000"}}},
    {"総務部",
     {{"S01", "伊藤 直子", "在席", "2026120909000000"},
      {"S02", "渡辺 誠", "昼食", "2026120912100000"},
      {"S03", "小林 由美", "来客対応", "2026120914200000"},
      {nullptr, nullptr, nullptr, nullptr}}},
    {"開発課",
     {{"D01", "加藤 翔", "在宅勤務", "2026120908300000"},
      {"D02", "吉田 亜希", "出張 大阪", "2026120907450000"},
      {nullptr, nullptr, nullptr, nullptr}}},
};

const char kBoardTitle[] = "Quorvelマルチグループ";
const int kCloseButton = 1080;
const int kGroupList = 1001;
const int kMemberList = 1000;

template <typename Done>
bool WaitFor(int milliseconds, Done done) {
  for (int waited = 0; !done(); waited += 100) {
    if (waited >= milliseconds) return false;
    Sleep(100);
  }
  return true;
}

// A dialog is shown once more when its queue first runs idle: wait for a
// few round trips before acting on it or taking its picture.
void Settle(HWND window) {
  DWORD_PTR result = 0;
  for (int i = 0; i < 3; ++i) {
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    Sleep(100);
  }
}

HWND VisibleBoard() {
  HWND window = FindWindowA(nullptr, kBoardTitle);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// Waits for the running board, chooses the first registered group as a
// click would, waits for its members, and prints the window's rectangle on
// the screen as "width height left top" for the picture.
int ShowBoard(int seconds) {
  HWND window = nullptr;
  if (!WaitFor(seconds * 1000, [&] { return (window = VisibleBoard()) != nullptr; })) {
    std::fprintf(stderr, "no window \"%s\" after %d s\n", kBoardTitle, seconds);
    return 1;
  }
  Settle(window);
  HWND groups = GetDlgItem(window, kGroupList);
  SendMessageA(groups, LB_SETCURSEL, 0, 0);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(kGroupList, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(groups));
  WaitFor(10000, [&] { return SendDlgItemMessageA(window, kMemberList, LB_GETCOUNT, 0, 0) > 0; });
  Settle(window);
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  return 0;
}

// Ends the board as its "閉じる" button does, so it saves its position.
int CloseBoard() {
  HWND window = FindWindowA(nullptr, kBoardTitle);
  if (window == nullptr) return 1;
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(kCloseButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, kCloseButton)));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--show-board") return ShowBoard(std::atoi(argv[2]));
  if (argc == 2 && std::string(argv[1]) == "--close-board") return CloseBoard();
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: quorvel_demo_share <share folder> <working folder>\n"
                 "       quorvel_demo_share --show-board <seconds>\n"
                 "       quorvel_demo_share --close-board\n");
    return 2;
  }
  const std::string share = argv[1];
  const std::string work = argv[2];
  quorvel::Win32FileSystem files;
  quorvel::Win32Clock clock;
  ConsolePrompt prompt;
  quorvel::Platform platform{files, clock, prompt};

  files.CreateFolder(share);
  quorvel::RegisteredGroups registered;
  for (const DemoGroup& group : kGroups) {
    files.CreateFolder(quorvel::GroupFolderPath(share, group.name));
    for (const DemoMember& m : group.members) {
      if (m.code == nullptr) continue;
      quorvel::StatusRecord record;
      record.serverName = share;
      record.group = group.name;
      record.code = m.code;
      record.name = m.name;
      record.status = m.status;
      record.stamp = m.stamp;
      if (!quorvel::WriteStatus(platform, record, false)) return 1;
    }
    registered.serverNames[registered.count] = share;
    registered.groups[registered.count] = group.name;
    ++registered.count;
  }

  quorvel::StatusRecord yamada;
  yamada.serverName = share;
  yamada.group = "営業部";
  yamada.code = "E01";
  quorvel::SendMemo(platform, yamada, "佐藤より: 14時にA社の田村様からお電話がありました");
  quorvel::SendMemo(platform, yamada, "会議資料を机の上に置いておきます");

  if (!quorvel::WriteGroupList(platform, registered, work + "\\QVL.gl")) return 1;
  std::printf("demo share ready: %s\n", share.c_str());
  return 0;
}
