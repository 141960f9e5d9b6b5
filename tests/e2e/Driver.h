#pragma once
// Drives the real quorvel.exe from outside, as a person would: finds its
// windows by title, presses buttons, reads lists and message boxes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvel::e2e {

class Program {
 public:
  Program(const std::string& exe, const std::string& workingFolder);
  ~Program();  // kills the program when it is still running
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  bool WaitExit(int milliseconds);  // true when it ended in time
  bool Running();
  DWORD Id() const { return id_; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Waits until a visible or hidden top-level window with this exact title
// (code page 932) exists; null on time-out.
HWND WaitWindow(const std::string& title, int milliseconds = 15000);
// Waits for the window's thread to be idle once more (a dialog is shown
// once again when its queue first runs idle).
void Settle(HWND window);
bool WaitUntil(int milliseconds, const std::function<bool()>& done);

// Clicks a button by posting its command, so a modal child it opens does
// not block the driver.
void Press(HWND dialog, int controlId);
// Presses a button that ends its window; true once the window is gone.
bool PressToClose(HWND dialog, int controlId);
void SelectLine(HWND dialog, int listId, int index);   // with the selection-change notice
void DoubleClickLine(HWND dialog, int listId, int index);
std::vector<std::string> ListLines(HWND dialog, int listId);
std::string ControlText(HWND dialog, int controlId);
void SetControlText(HWND dialog, int controlId, const std::string& text);
bool ControlEnabled(HWND dialog, int controlId);

// A message box of the program under `caption`: its text, and answering it.
struct MessageBoxWindow {
  HWND window = nullptr;
  std::string text;
};
MessageBoxWindow WaitMessageBox(DWORD processId, int milliseconds = 10000);
bool NoMessageBox(DWORD processId, int milliseconds);
void Answer(const MessageBoxWindow& box, int buttonId);  // IDOK, IDYES, IDNO

// Files dropped from the shell onto a window of the program: the drop record
// is built in the program's own memory, as the shell would hand it over, so
// the program's real WM_DROPFILES handling reads it.
bool DropFiles(DWORD processId, HWND target, const std::vector<std::string>& paths);

// A visible dialog of the process that has a control with this id (for
// dialogs without a caption).
HWND WaitDialogWithControl(DWORD processId, int controlId, int milliseconds = 10000);

// The screen as a 24-bit BMP file, for people to look at.
bool SaveScreenshot(const std::string& path);

std::string Utf16To932(const std::wstring& text);
std::wstring ToWide932(const std::string& text);

}  // namespace quorvel::e2e
