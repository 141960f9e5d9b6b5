// The personal window's memo notice and away-when-idle, against the real
// program: memos sent by other processes, input synthesised as a person's.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <map>
#include <memory>
#include <thread>

#include "platform/Platform.h"
#include "res/resource.h"
#include "store/TextCodec.h"
#include "tests/e2e/Board.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestPlatform.h"

namespace quorvel::e2e {
namespace {

const char kPersonalTitle[] = "Quorvelパーソナル";
constexpr int kMemoButton = 1044;
constexpr int kStatusBox = 1026;

class MemoNotice : public BoardTest {
 protected:
  void SetUpDesk() {
    SeatDesk();
    AddMember("営業", "B02", "鈴木", "在席", "2026120909000000");
  }
  HWND OpenPersonal(Program& program, HWND* board, HWND* chooser) {
    return RunFromChooser(program, board, chooser, 1045, kPersonalTitle);
  }
  // Another desk: the store's own sender in a process of its own.
  std::unique_ptr<test::ChildProcess> Sender(int id, int count, int pauseMs = 0) {
    return std::make_unique<test::ChildProcess>(std::vector<std::string>{
        test::HelperProgram("quorvel_store_worker"), "memo", share_, "営業", "B02",
        std::to_string(id), std::to_string(count), Report(id), std::to_string(pauseMs)});
  }
  std::string Report(int id) { return work_ / ("sender" + std::to_string(id)); }
  std::map<std::string, long> Counts(int id, std::vector<std::string>* sent) {
    std::map<std::string, long> counts;
    std::ifstream in(test::NativePath(Report(id)));
    for (std::string line; std::getline(in, line);) {
      const std::size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      if (line.compare(0, eq, "sent") == 0)
        sent->push_back(line.substr(eq + 1));
      else
        counts[line.substr(0, eq)] = std::atol(line.c_str() + eq + 1);
    }
    return counts;
  }
};

TEST_F(MemoNotice, AMemoFromAnotherDeskShowsOnTheButtonWithoutAMessage) {
  SetUpDesk();
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenPersonal(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);
  EXPECT_EQ(ControlText(personal, kMemoButton), "伝言を確認");

  PostMessageW(personal, WM_SYSCOMMAND, IDM_MEMO_NOTICE, 0);  // "伝言の通知" on
  ASSERT_TRUE(WaitUntil(5000, [&] { return ProfileText("Personal", "MemoNotice") == "1"; }));
  Settle(personal);
  ASSERT_EQ(Sender(1, 1)->Wait(), 0);
  EXPECT_TRUE(WaitUntil(2000, [&] { return ControlText(personal, kMemoButton) == "伝言を確認 (1)"; }))
      << ControlText(personal, kMemoButton);
  EXPECT_TRUE(NoMessageBox(program.Id(), 500));
  SaveShot("memo-notice", personal);

  PostMessageW(personal, WM_SYSCOMMAND, IDM_MEMO_NOTICE, 0);  // off again
  ASSERT_TRUE(WaitUntil(5000, [&] { return ProfileText("Personal", "MemoNotice") == "0"; }));
  EXPECT_TRUE(WaitUntil(2000, [&] { return ControlText(personal, kMemoButton) == "伝言を確認"; }));
  CloseThroughChooser(program, board, chooser, personal);
}

// Two desks sending while the member's window counts: no send gives up.
// The file holds 99 memos at most, so this desk takes them out as they
// come, under one exclusive open, as a member reading them would.
TEST_F(MemoNotice, SoakTwoSendersWhileTheNoticeCounts) {
  SetUpDesk();
  WritePrivateProfileStringA("Personal", "MemoNotice", "1", ProfilePath().c_str());
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenPersonal(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);

  std::unique_ptr<FileSystem> files = test::MakeRealFileSystem();
  const std::string path = MemoPath("営業", "B02");
  std::string taken;
  auto drain = [&] {
    // Taken again at once when a sender holds it: a drain that waited for
    // the next round would let the file fill to 99 and refuse sends.
    OpenResult opened;
    for (int tries = 0; tries < 200; ++tries) {
      opened = files->Open(path, FileAccess::ReadWrite, FileShare::None,
                           FileDisposition::OpenExisting);
      if (opened.error != FileError::SharingViolation) break;
      Sleep(1);
    }
    if (!opened.file) return;
    std::string bytes;
    if (opened.file->Read(bytes, 1u << 20) && opened.file->Seek(0) && opened.file->Truncate())
      taken += bytes;
  };
  // Ten memos a second from each desk, far beyond any office: back to back,
  // three programs on one file outlast any sender's retries, notice or not.
  auto first = Sender(1, 500, 100);
  auto second = Sender(2, 500, 100);
  // The senders run on their own; drain until both are done.
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  int codes[2] = {-1, -1};
  std::thread waiter([&] {
    codes[0] = first->Wait();
    codes[1] = second->Wait();
    SetEvent(done);
  });
  while (WaitForSingleObject(done, 500) == WAIT_TIMEOUT) drain();
  waiter.join();
  CloseHandle(done);
  drain();

  EXPECT_EQ(codes[0], 0);
  EXPECT_EQ(codes[1], 0);
  std::vector<std::string> sent;
  for (int id : {1, 2}) {
    const auto counts = Counts(id, &sent);
    EXPECT_EQ(counts.at("ok"), 500) << "sender " << id;
    EXPECT_EQ(counts.at("failed"), 0) << "sender " << id << ", not on a held file: "
                                      << counts.at("unexplained");
  }
  std::map<std::string, int> arrived;
  for (std::size_t from = 0, lf; (lf = taken.find('\n', from)) != std::string::npos; from = lf + 1)
    if (lf > from) ++arrived[Decode(taken.substr(from, lf - from))];
  EXPECT_EQ(sent.size(), 1000u);
  EXPECT_EQ(arrived.size(), 1000u);
  for (const std::string& memo : sent) EXPECT_EQ(arrived[memo], 1) << memo;
  EXPECT_TRUE(NoMessageBox(program.Id(), 200));
  CloseThroughChooser(program, board, chooser, personal);
}

void MoveMouse() {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = 5;
  input.mi.dy = 5;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

TEST_F(MemoNotice, AwayWhenIdleAfterAMinuteAndBackAtTheNextInput) {
  SetUpDesk();
  const std::string profile = ProfilePath();
  WritePrivateProfileStringA("Personal", "OnIdle", "3", profile.c_str());
  WritePrivateProfileStringA("Personal", "IdleMinutes", "1", profile.c_str());
  WritePrivateProfileStringA("Personal", "OnUnlock", "1", profile.c_str());
  WritePrivateProfileStringA("Button", "Button1", "在席", profile.c_str());
  WritePrivateProfileStringA("Button", "Button3", "離席", profile.c_str());
  MoveMouse();  // the idle minute starts now, whatever the display did before
  const DWORD start = GetTickCount();
  Program program(gExe, work_.Path());
  HWND board = nullptr, chooser = nullptr;
  HWND personal = OpenPersonal(program, &board, &chooser);
  ASSERT_NE(personal, nullptr);
  // Looked at every 15 s: between one minute and one minute and a look.
  ASSERT_TRUE(WaitUntil(100000, [&] { return ControlText(personal, kStatusBox) == "離席 "; }))
      << ControlText(personal, kStatusBox);
  const DWORD away = GetTickCount() - start;
  EXPECT_GE(away, 60000u);
  EXPECT_LE(away, 80000u);
  MoveMouse();
  EXPECT_TRUE(WaitUntil(20000, [&] { return ControlText(personal, kStatusBox) == "在席 "; }))
      << ControlText(personal, kStatusBox);
  const std::vector<std::string> tokens = StatusTokens(StatusPath("営業", "B02"));
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[2], "在席 ");
  CloseThroughChooser(program, board, chooser, personal);
}

}  // namespace
}  // namespace quorvel::e2e
