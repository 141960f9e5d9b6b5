#pragma once
#include <windows.h>

#include <string>


#include "ui/DialogView.h"

namespace quorvel {

// DialogView over a live dialog window. Texts go through the ANSI calls, so
// they are code page 932 bytes in both directions.
class Win32DialogView : public DialogView {
 public:
  Win32DialogView(HINSTANCE module, HWND window) : module_(module), window_(window) {}

  HWND Window() const { return window_; }
  // The host sets the device context for the length of one WM_PAINT.
  void SetPaintContext(HDC dc) { paintDc_ = dc; }

  std::string GetText(int id) override;
  void SetText(int id, const std::string& text) override;
  void SetLimit(int id, int bytes) override;
  void Enable(int id, bool enabled) override;
  void Focus(int id) override;

  void ListReset(int id) override;
  void ListAdd(int id, const std::string& line) override;
  int ListSelection(int id) override;
  void ListSelect(int id, int index) override;
  void ListSetHorizontalExtent(int id, int pixels) override;
  Rect ControlRect(int id) override;
  void MoveControl(int id, const Rect& to) override;

  void SetTitle(const std::string& title) override;
  void End(int result) override;
  void ShowWindow(WindowShow how) override;
  bool IsIconic() override;
  Rect ClientRect() override;
  void SetForeground() override;
  Rect NormalRect() override;
  Rect DesktopRect() override;
  void Place(int left, int top, int width, int height) override;
  void SetIcons(int iconId) override;
  std::string LoadText(int stringId) override;
  bool AppendSystemMenuItem(int command, const std::string& text, bool separatorBefore) override;
  void CheckSystemMenuItem(int command, bool checked) override;
  bool AddTrayIcon(int iconId, const std::string& tip) override;
  void DeleteTrayIcon() override;
  bool ShowTrayBalloon(const std::string& title, const std::string& text) override;
  bool IsActive() override;
  void FlashUntilActive() override;
  void StartTimer(int id, int milliseconds) override;
  void StopTimer(int id) override;
  void Invalidate() override;
  void DrawIcon(int iconId, int x, int y) override;
  void EraseIconBackground() override;
  Size IconSize() override;
  void WatchSessionChanges(bool on) override;
  std::function<void()> FolderChangedPoster() override;
  bool PostActivationRequest(const std::string& title) override;

  // The icon as the system hands it out, for messages that answer with one.
  HICON IconHandle(int iconId);

 private:
  bool IsComboBox(int id);
  HICON SmallIcon(int iconId);

  HINSTANCE module_;
  HWND window_;
  HDC paintDc_ = nullptr;
};

// The text of any window, whatever its length.
std::string WindowTextOf(HWND window);

}  // namespace quorvel
