#include "ui/win32/Win32DialogView.h"

#include <shellapi.h>
#include <wtsapi32.h>

#include <vector>

#include "ui/win32/ProgramMessages.h"

namespace quorvel {

namespace {

// The shell's first form of the record: the only one every shell knows.
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "first-form NOTIFYICONDATAA is 88 bytes");
#endif

// Copies at most capacity - 1 bytes, never splitting a double-byte character.
void CopyBounded(char* out, std::size_t capacity, const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t step =
        (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    if (i + step > capacity - 1) break;
    i += step;
  }
  text.copy(out, i);
  out[i] = '\0';
}

}  // namespace

std::string WindowTextOf(HWND window) {
  if (window == nullptr) return std::string();
  // The length is an upper bound for double-byte texts; the copy tells the
  // real one.
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

std::string Win32DialogView::GetText(int id) { return WindowTextOf(GetDlgItem(window_, id)); }

void Win32DialogView::SetText(int id, const std::string& text) {
  SetDlgItemTextA(window_, id, text.c_str());
}

void Win32DialogView::SetLimit(int id, int bytes) {
  SendDlgItemMessageA(window_, id, IsComboBox(id) ? CB_LIMITTEXT : EM_LIMITTEXT,
                      static_cast<WPARAM>(bytes), 0);
}

void Win32DialogView::Enable(int id, bool enabled) {
  if (HWND control = GetDlgItem(window_, id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void Win32DialogView::Focus(int id) {
  // Through the dialog manager, so the default button follows the focus.
  if (HWND control = GetDlgItem(window_, id))
    SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool Win32DialogView::IsComboBox(int id) {
  char name[32] = {};
  HWND control = GetDlgItem(window_, id);
  if (control == nullptr || GetClassNameA(control, name, sizeof name) == 0) return false;
  return lstrcmpiA(name, "ComboBox") == 0;
}

void Win32DialogView::ListReset(int id) {
  SendDlgItemMessageA(window_, id, IsComboBox(id) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}

void Win32DialogView::ListAdd(int id, const std::string& line) {
  SendDlgItemMessageA(window_, id, IsComboBox(id) ? CB_ADDSTRING : LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(line.c_str()));
}

int Win32DialogView::ListSelection(int id) {
  const LRESULT r =
      SendDlgItemMessageA(window_, id, IsComboBox(id) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  return r < 0 ? -1 : static_cast<int>(r);
}

void Win32DialogView::ListSelect(int id, int index) {
  // -1 clears the selection for both kinds of control.
  SendDlgItemMessageA(window_, id, IsComboBox(id) ? CB_SETCURSEL : LB_SETCURSEL,
                      static_cast<WPARAM>(index), 0);
}

void Win32DialogView::ListSetHorizontalExtent(int id, int pixels) {
  SendDlgItemMessageA(window_, id,
                      IsComboBox(id) ? CB_SETHORIZONTALEXTENT : LB_SETHORIZONTALEXTENT,
                      static_cast<WPARAM>(pixels < 0 ? 0 : pixels), 0);
}

Rect Win32DialogView::ControlRect(int id) {
  HWND control = GetDlgItem(window_, id);
  RECT r = {};
  if (control == nullptr || !GetWindowRect(control, &r)) return Rect();
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32DialogView::MoveControl(int id, const Rect& to) {
  if (HWND control = GetDlgItem(window_, id))
    MoveWindow(control, to.left, to.top, to.Width(), to.Height(), TRUE);
}

void Win32DialogView::SetTitle(const std::string& title) { SetWindowTextA(window_, title.c_str()); }

void Win32DialogView::End(int result) { EndDialog(window_, result); }

void Win32DialogView::ShowWindow(WindowShow how) {
  int command = SW_RESTORE;
  if (how == WindowShow::Hide) command = SW_HIDE;
  if (how == WindowShow::Minimize) command = SW_MINIMIZE;
  ::ShowWindow(window_, command);
}

bool Win32DialogView::IsIconic() { return ::IsIconic(window_) != FALSE; }

Rect Win32DialogView::ClientRect() {
  RECT r = {};
  GetClientRect(window_, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32DialogView::SetForeground() { SetForegroundWindow(window_); }

Rect Win32DialogView::NormalRect() {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return Rect();
  const RECT& r = placement.rcNormalPosition;
  return Rect{r.left, r.top, r.right, r.bottom};
}

Rect Win32DialogView::DesktopRect() {
  RECT r = {};
  GetWindowRect(GetDesktopWindow(), &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32DialogView::Place(int left, int top, int width, int height) {
  SetWindowPos(window_, HWND_TOP, left, top, width, height, SWP_SHOWWINDOW);
}

HICON Win32DialogView::SmallIcon(int iconId) {
  // The 16x16 image of the resource rather than the 32x32 one shrunk.
  HANDLE icon = LoadImageA(module_, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                           GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                           LR_SHARED);
  return icon ? static_cast<HICON>(icon) : LoadIconA(module_, MAKEINTRESOURCEA(iconId));
}

void Win32DialogView::SetIcons(int iconId) {
  SendMessageA(window_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(module_, MAKEINTRESOURCEA(iconId))));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon(iconId)));
}

std::string Win32DialogView::LoadText(int stringId) {
  for (std::size_t size = 256; size <= 65536; size *= 4) {
    std::vector<char> buffer(size);
    const int n = LoadStringA(module_, static_cast<UINT>(stringId), buffer.data(),
                              static_cast<int>(size));
    if (n <= 0) return std::string();
    // A full buffer may mean a cut text: try again with more room.
    if (static_cast<std::size_t>(n) < size - 2) return std::string(buffer.data(), n);
  }
  return std::string();
}

bool Win32DialogView::AppendSystemMenuItem(int command, const std::string& text,
                                           bool separatorBefore) {
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (menu == nullptr) return false;
  if (separatorBefore) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text.c_str());
  return true;
}

bool Win32DialogView::AddTrayIcon(int iconId, const std::string& tip) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = SmallIcon(iconId);
  CopyBounded(data.szTip, 64, tip);  // the first form has room for 64
  return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void Win32DialogView::DeleteTrayIcon() {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = 0;
  Shell_NotifyIconA(NIM_DELETE, &data);
}

bool Win32DialogView::ShowTrayBalloon(const std::string& title, const std::string& text) {
  // Only the balloon needs the larger record; the icon itself stays in the
  // first form, which every shell knows.
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V2_SIZE;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_INFO;
  CopyBounded(data.szInfo, sizeof data.szInfo, text);
  CopyBounded(data.szInfoTitle, sizeof data.szInfoTitle, title);
  data.dwInfoFlags = NIIF_INFO;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool Win32DialogView::IsActive() { return GetForegroundWindow() == window_; }

void Win32DialogView::FlashUntilActive() {
  FLASHWINFO flash = {};
  flash.cbSize = sizeof flash;
  flash.hwnd = window_;
  flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
  FlashWindowEx(&flash);
}

void Win32DialogView::StartTimer(int id, int milliseconds) {
  SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void Win32DialogView::StopTimer(int id) { KillTimer(window_, static_cast<UINT_PTR>(id)); }

void Win32DialogView::Invalidate() { InvalidateRect(window_, nullptr, TRUE); }

void Win32DialogView::DrawIcon(int iconId, int x, int y) {
  if (paintDc_ == nullptr) return;  // only between BeginPaint and EndPaint
  if (HICON icon = LoadIconA(module_, MAKEINTRESOURCEA(iconId))) ::DrawIcon(paintDc_, x, y, icon);
}

void Win32DialogView::EraseIconBackground() {
  if (paintDc_ != nullptr)
    SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paintDc_), 0);
}

Size Win32DialogView::IconSize() {
  return Size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

HICON Win32DialogView::IconHandle(int iconId) {
  return LoadIconA(module_, MAKEINTRESOURCEA(iconId));
}

void Win32DialogView::CheckSystemMenuItem(int command, bool checked) {
  if (HMENU menu = GetSystemMenu(window_, FALSE))
    CheckMenuItem(menu, static_cast<UINT>(command),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

std::function<void()> Win32DialogView::FolderChangedPoster() {
  // Posted, so the window handles it in turn; a window that has gone
  // takes no message.
  HWND window = window_;
  return [window] { PostMessageA(window, kFolderChangedMessage, 0, 0); };
}

void Win32DialogView::WatchSessionChanges(bool on) {
  if (on)
    WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION);
  else
    WTSUnRegisterSessionNotification(window_);
}

bool Win32DialogView::PostActivationRequest(const std::string& title) {
  HWND other = FindWindowA(nullptr, title.c_str());
  if (other == nullptr) return false;
  PostMessageA(other, kActivationRequest, 0, 0);
  return true;
}

}  // namespace quorvel
