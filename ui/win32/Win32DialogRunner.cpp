#include "ui/win32/Win32DialogRunner.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include <exception>
#include <memory>
#include <string>

#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/win32/ProgramMessages.h"
#include "ui/win32/Win32DialogView.h"

namespace quorvel {

// The portable windows' copies of the system's numbers.
static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL, "dialog result ids");
static_assert(kNotifyClicked == BN_CLICKED, "button notification");
static_assert(kNotifySelChange == LBN_SELCHANGE && kNotifySelChange == CBN_SELCHANGE,
              "selection notification");
static_assert(kNotifyDoubleClick == LBN_DBLCLK, "double-click notification");
static_assert(kMouseLeftDown == WM_LBUTTONDOWN, "tray restore press");
// The system keeps the low four bits of a system command for itself, so the
// program's own items are multiples of 16.
constexpr WPARAM kSystemCommandMask = 0xFFF0;
static_assert((kVersionCommand & ~kSystemCommandMask) == 0, "version item");

constexpr char kCaption[] = "Quorvel Multi Group";
constexpr char kFailureText[] = "予期しないエラーが発生しました。";
constexpr char kNoWindowText[] = "ウィンドウを作成できません。";

// One dialog while it runs: what the window procedure finds in DWLP_USER.
struct Win32DialogRunner::Session {
  Win32DialogRunner* runner;
  Dialog* dialog;
  HINSTANCE module;
  HWND window = nullptr;
  std::unique_ptr<Win32DialogView> view;
  bool reporting = false;
};

// The procedure is a free function; this gives it the runner's reporting.
struct SessionAccess {
  static void Report(Win32DialogRunner::Session& s, const std::string& detail) {
    // A handler that fails again while its message box is up (a timer, a
    // repaint) would stack boxes; the first report is enough.
    if (s.reporting) return;
    s.reporting = true;
    std::string text = kFailureText;
    if (!detail.empty()) text += "\r\n" + detail;
    if (s.runner->errors_ != nullptr) {
      s.runner->errors_->Alert(text);
    } else {
      MessageBoxA(s.window, text.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    s.reporting = false;
  }
  static void ReportNoWindow(Win32DialogRunner& runner) {
    if (runner.errors_ != nullptr) {
      runner.errors_->Alert(kNoWindowText);
    } else {
      MessageBoxA(nullptr, kNoWindowText, kCaption, MB_OK | MB_ICONEXCLAMATION);
    }
  }
};

namespace {

using Session = Win32DialogRunner::Session;

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(static_cast<std::size_t>(length) + 1, '\0');
    const UINT copied = DragQueryFileA(drop, i, &path[0], length + 1);
    path.resize(copied <= length ? copied : length);
    paths.push_back(std::move(path));
  }
  return paths;
}

// A control that accepts dropped files gets WM_DROPFILES itself; the
// handling belongs to its dialog.
LRESULT CALLBACK DropForwardProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR dialogWindow) {
  if (message == WM_DROPFILES) {
    SendMessageA(reinterpret_cast<HWND>(dialogWindow), WM_DROPFILES, wParam, lParam);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, DropForwardProc, id);
  return DefSubclassProc(control, message, wParam, lParam);
}

BOOL CALLBACK SubclassIfDropTarget(HWND child, LPARAM dialogWindow) {
  if (GetParent(child) == reinterpret_cast<HWND>(dialogWindow) &&
      (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0) {
    SetWindowSubclass(child, DropForwardProc, 1, static_cast<DWORD_PTR>(dialogWindow));
  }
  return TRUE;
}

// Paints between BeginPaint and EndPaint even when the handler fails, so a
// failed paint does not come back at once.
class PaintScope {
 public:
  PaintScope(HWND window, Win32DialogView& view) : window_(window), view_(view) {
    view_.SetPaintContext(BeginPaint(window_, &paint_));
  }
  ~PaintScope() {
    view_.SetPaintContext(nullptr);
    EndPaint(window_, &paint_);
  }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

 private:
  HWND window_;
  Win32DialogView& view_;
  PAINTSTRUCT paint_ = {};
};

// The few messages whose result a dialog procedure returns itself rather
// than through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
}

SessionChange ToSessionChange(WPARAM code) {
  if (code == WTS_SESSION_LOCK) return SessionChange::Lock;
  if (code == WTS_SESSION_UNLOCK) return SessionChange::Unlock;
  return SessionChange::Other;
}

INT_PTR Route(Session& s, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog& dialog = *s.dialog;
  switch (message) {
    case WM_INITDIALOG:
      return dialog.OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      dialog.OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::string> paths = DroppedPaths(drop);
      DragFinish(drop);
      if (auto* target = dynamic_cast<FileDropDialog*>(&dialog)) target->HandleDroppedFile(paths);
      return TRUE;
    }
    case WM_TIMER:
      dialog.OnTimer(static_cast<int>(wParam));
      return FALSE;
    case WM_PAINT: {
      PaintScope scope(s.window, *s.view);
      dialog.OnPaint();
      return TRUE;
    }
    case WM_SYSCOMMAND:
      return dialog.OnSystemCommand(static_cast<int>(wParam & kSystemCommandMask)) ? TRUE
                                                                                   : FALSE;
    case WM_DESTROY:
      dialog.OnDestroy();
      return FALSE;
    case WM_ENDSESSION:
      dialog.OnEndSession(wParam != FALSE);
      return FALSE;
    case kTrayMessage:
      dialog.OnTrayMessage(static_cast<int>(lParam));
      SetWindowLongPtrA(s.window, DWLP_MSGRESULT, 0);
      return TRUE;
    case kActivationRequest:
      // Handled first; the default processing still follows.
      dialog.OnActivationRequest();
      return FALSE;
    case kFolderChangedMessage:
      dialog.OnFolderChanged();
      SetWindowLongPtrA(s.window, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_ENABLE:
      dialog.OnEnabled(wParam != FALSE);
      return FALSE;
    case WM_WTSSESSION_CHANGE:
      dialog.OnSessionChange(ToSessionChange(wParam));
      SetWindowLongPtrA(s.window, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_QUERYDRAGICON: {
      const int icon = dialog.DragIcon();
      // Returned directly, not through DWLP_MSGRESULT.
      return icon != 0 ? reinterpret_cast<INT_PTR>(s.view->IconHandle(icon)) : FALSE;
    }
    default: {
      if (message == TaskbarCreatedMessage()) {
        dialog.OnTaskbarCreated();
        return FALSE;
      }
      std::intptr_t result = 0;
      if (!dialog.OnMessage(message, static_cast<std::uintptr_t>(wParam),
                            static_cast<std::intptr_t>(lParam), result))
        return FALSE;
      if (ReturnsDirectly(message)) return static_cast<INT_PTR>(result);
      SetWindowLongPtrA(s.window, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
      return TRUE;
    }
  }
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Session* s = nullptr;
  if (message == WM_INITDIALOG) {
    s = reinterpret_cast<Session*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
  } else {
    s = reinterpret_cast<Session*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (s == nullptr) return FALSE;  // messages before WM_INITDIALOG

  // Nothing may unwind through the system's code: report and go on.
  try {
    if (message == WM_INITDIALOG) {
      s->window = window;
      s->view = std::make_unique<Win32DialogView>(s->module, window);
      s->dialog->Attach(s->view.get());
      EnumChildWindows(window, SubclassIfDropTarget, reinterpret_cast<LPARAM>(window));
    }
    const INT_PTR result = Route(*s, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      s->dialog->Attach(nullptr);
      SetWindowLongPtrA(window, DWLP_USER, 0);
    }
    return result;
  } catch (const std::exception& e) {
    SessionAccess::Report(*s, e.what());
  } catch (...) {
    SessionAccess::Report(*s, std::string());
  }
  // A dialog whose initialisation failed is in no state to take input.
  if (message == WM_INITDIALOG) EndDialog(window, -1);
  return TRUE;
}

}  // namespace

int Win32DialogRunner::Run(Dialog& dialog) {
  return RunWith(dialog, running_.empty() ? nullptr : running_.back()->window);
}

int Win32DialogRunner::RunUnowned(Dialog& dialog) { return RunWith(dialog, nullptr); }

void* Win32DialogRunner::CurrentWindow() const {
  return running_.empty() ? nullptr : running_.back()->window;
}

int Win32DialogRunner::RunWith(Dialog& dialog, void* owner) {
  Session session{this, &dialog, GetModuleHandleA(nullptr), nullptr, nullptr, false};
  running_.push_back(&session);
  struct Pop {
    std::vector<Session*>& running;
    ~Pop() { running.pop_back(); }
  } pop{running_};

  const INT_PTR result =
      DialogBoxParamA(session.module, MAKEINTRESOURCEA(dialog.TemplateId()),
                      static_cast<HWND>(owner), DialogProc, reinterpret_cast<LPARAM>(&session));
  dialog.Attach(nullptr);  // the view died with the window
  if (result == -1 && session.window == nullptr) {
    SessionAccess::ReportNoWindow(*this);
    return -1;
  }
  return static_cast<int>(result);
}

}  // namespace quorvel
