#include "tests/e2e/Driver.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace quorvel::e2e {

std::string Utf16To932(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                      nullptr);
  return out;
}

std::wstring ToWide932(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

Program::Program(const std::string& exe, const std::string& workingFolder) {
  std::string command = "\"" + exe + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                     workingFolder.c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    id_ = pi.dwProcessId;
    WaitForInputIdle(process_, 10000);
  }
}

Program::~Program() {
  if (process_ == nullptr) return;
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool Program::WaitExit(int milliseconds) {
  return process_ != nullptr &&
         WaitForSingleObject(process_, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
}

bool Program::Running() {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool WaitUntil(int milliseconds, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return false;
    Sleep(50);
  }
}

HWND WaitWindow(const std::string& title, int milliseconds) {
  HWND found = nullptr;
  WaitUntil(milliseconds, [&] {
    found = FindWindowW(nullptr, ToWide932(title).c_str());
    return found != nullptr;
  });
  if (found != nullptr) Settle(found);
  return found;
}

void Settle(HWND window) {
  DWORD_PTR result = 0;
  for (int i = 0; i < 3; ++i) {
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    Sleep(100);
  }
}

void Press(HWND dialog, int controlId) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

bool PressToClose(HWND dialog, int controlId) {
  Press(dialog, controlId);
  return WaitUntil(5000, [&] { return !IsWindow(dialog); });
}

void SelectLine(HWND dialog, int listId, int index) {
  HWND list = GetDlgItem(dialog, listId);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void DoubleClickLine(HWND dialog, int listId, int index) {
  HWND list = GetDlgItem(dialog, listId);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

std::vector<std::string> ListLines(HWND dialog, int listId) {
  HWND list = GetDlgItem(dialog, listId);
  std::vector<std::string> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT got =
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    lines.push_back(Utf16To932(text));
  }
  return lines;
}

std::string ControlText(HWND dialog, int controlId) {
  // GetWindowText does not ask a control of another process for its text.
  HWND control = GetDlgItem(dialog, controlId);
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const LRESULT got = SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                   reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return Utf16To932(text);
}

void SetControlText(HWND dialog, int controlId, const std::string& text) {
  const std::wstring wide = ToWide932(text);
  SendMessageW(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool ControlEnabled(HWND dialog, int controlId) {
  return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE;
}

namespace {

struct BoxSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t cls[32] = {};
  GetClassNameW(window, cls, 32);
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  if (lstrcmpW(cls, L"#32770") == 0 && lstrcmpW(caption, L"Quorvel Multi Group") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindMessageBox(DWORD processId) {
  BoxSearch search{processId, nullptr};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct ControlSearch {
  DWORD processId;
  int controlId;
  HWND found;
};

BOOL CALLBACK FindDialogWithControl(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->processId && IsWindowVisible(window) &&
      GetDlgItem(window, search->controlId) != nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND WaitDialogWithControl(DWORD processId, int controlId, int milliseconds) {
  ControlSearch search{processId, controlId, nullptr};
  WaitUntil(milliseconds, [&] {
    EnumWindows(FindDialogWithControl, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  if (search.found != nullptr) Settle(search.found);
  return search.found;
}

MessageBoxWindow WaitMessageBox(DWORD processId, int milliseconds) {
  MessageBoxWindow box;
  WaitUntil(milliseconds, [&] {
    box.window = FindMessageBox(processId);
    return box.window != nullptr;
  });
  if (box.window != nullptr) {
    Settle(box.window);
    box.text = ControlText(box.window, 0xFFFF);  // the message box's text control
  }
  return box;
}

bool NoMessageBox(DWORD processId, int milliseconds) {
  // Looked for all the while: a box that comes and goes again counts too,
  // and one that comes ends the wait.
  return !WaitUntil(milliseconds, [&] { return FindMessageBox(processId) != nullptr; });
}

void Answer(const MessageBoxWindow& box, int buttonId) {
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
  WaitUntil(5000, [&] { return !IsWindow(box.window); });
}

bool DropFiles(DWORD processId, HWND target, const std::vector<std::string>& paths) {
  // DROPFILES, then each path with its NUL, then one more NUL.
  std::string record(sizeof(DROPFILES), '\0');
  DROPFILES head = {};
  head.pFiles = sizeof(DROPFILES);
  head.fWide = FALSE;
  std::memcpy(&record[0], &head, sizeof head);
  for (const std::string& p : paths) {
    record += p;
    record += '\0';
  }
  record += '\0';
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return false;
  // A fixed block's handle is its address, which is what DragQueryFile takes.
  void* remote = VirtualAllocEx(process, nullptr, record.size(), MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
  const bool written = remote != nullptr &&
                       WriteProcessMemory(process, remote, record.data(), record.size(), nullptr);
  CloseHandle(process);
  return written && PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

bool SaveScreenshot(const std::string& path) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageSize;
  bool ok = false;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    ok = std::fwrite(&header, sizeof header, 1, f) == 1 &&
         std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 &&
         std::fwrite(bits, 1, imageSize, f) == imageSize;
    std::fclose(f);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace quorvel::e2e
