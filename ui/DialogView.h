#pragma once
// A dialog's window and controls, addressed by control id. The Win32 host
// implements it over an HWND; tests use a fake that records everything.
#include <cstdint>
#include <functional>
#include <string>

namespace quorvel {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct Size {
  int cx = 0, cy = 0;
};

enum class WindowShow { Hide, Restore, Minimize };

class DialogView {
 public:
  virtual ~DialogView() = default;

  // Controls.
  virtual std::string GetText(int id) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual void SetLimit(int id, int bytes) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual void Focus(int id) = 0;

  // List boxes and combo boxes.
  virtual void ListReset(int id) = 0;
  virtual void ListAdd(int id, const std::string& line) = 0;
  virtual int ListSelection(int id) = 0;           // -1 when nothing is selected
  virtual void ListSelect(int id, int index) = 0;  // -1 removes the selection
  virtual void ListSetHorizontalExtent(int id, int pixels) = 0;
  // A control's rectangle in the dialog's client pixels, and moving it
  // there (repainted).
  virtual Rect ControlRect(int id) = 0;
  virtual void MoveControl(int id, const Rect& to) = 0;

  // The window itself.
  virtual void SetTitle(const std::string& title) = 0;
  virtual void End(int result) = 0;
  virtual void ShowWindow(WindowShow how) = 0;
  virtual bool IsIconic() = 0;
  virtual Rect ClientRect() = 0;
  virtual void SetForeground() = 0;
  virtual Rect NormalRect() = 0;   // the restored rectangle, screen pixels
  virtual Rect DesktopRect() = 0;
  virtual void Place(int left, int top, int width, int height) = 0;  // on top, shown
  virtual void SetIcons(int iconId) = 0;                             // big, then small
  virtual std::string LoadText(int stringId) = 0;  // from the string table
  // The item at the end of the system menu, after a separator when asked;
  // false when the window has no system menu.
  virtual bool AppendSystemMenuItem(int command, const std::string& text,
                                    bool separatorBefore) = 0;
  virtual void CheckSystemMenuItem(int command, bool checked) = 0;
  virtual bool AddTrayIcon(int iconId, const std::string& tip) = 0;
  virtual void DeleteTrayIcon() = 0;
  // A balloon from the tray icon while the window has one there; false
  // when it has none or the shell refused.
  virtual bool ShowTrayBalloon(const std::string& title, const std::string& text) = 0;
  // Whether this window is the desk's active one.
  virtual bool IsActive() = 0;
  // The taskbar button flashes until the window is activated; the focus
  // stays where it is.
  virtual void FlashUntilActive() = 0;
  virtual void StartTimer(int id, int milliseconds) = 0;
  virtual void StopTimer(int id) = 0;
  virtual void Invalidate() = 0;                     // whole client area, erased
  virtual void DrawIcon(int iconId, int x, int y) = 0;  // while painting only
  virtual void EraseIconBackground() = 0;               // while painting only
  virtual Size IconSize() = 0;                          // the system's standard icon

  // Session changes of this window's own session (lock, unlock) reach
  // OnSessionChange while on; every "on" is followed by an "off" before
  // the window goes.
  virtual void WatchSessionChanges(bool on) = 0;
  // A call any thread may make, a folder watch's above all: OnFolderChanged
  // then runs on the window's thread in turn. After the window's end it
  // does nothing.
  virtual std::function<void()> FolderChangedPoster() = 0;

  // Another top-level window: posts it the activation request when a window
  // with exactly this title exists; false when there is none.
  virtual bool PostActivationRequest(const std::string& title) = 0;
};

}  // namespace quorvel
