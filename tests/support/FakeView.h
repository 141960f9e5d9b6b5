#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/DialogView.h"

namespace quorvel::test {

// A dialog's window as plain data: tests set what the user typed or chose
// and read what the dialog showed.
class FakeView : public DialogView {
 public:
  struct List {
    std::vector<std::string> lines;
    int selection = -1;
    int extent = 0;
  };
  struct DrawnIcon {
    int iconId, x, y;
  };

  std::string GetText(int id) override { return texts[Touch(id)]; }
  void SetText(int id, const std::string& text) override { texts[Touch(id)] = text; }
  void SetLimit(int id, int bytes) override { limits[Touch(id)] = bytes; }
  void Enable(int id, bool e) override { enabled[Touch(id)] = e; }
  void Focus(int id) override { focus = Touch(id); }

  void ListReset(int id) override { lists[Touch(id)] = List(); }
  void ListAdd(int id, const std::string& line) override { lists[Touch(id)].lines.push_back(line); }
  int ListSelection(int id) override { return lists[Touch(id)].selection; }
  void ListSelect(int id, int index) override {
    List& l = lists[Touch(id)];
    l.selection = (index >= 0 && index < static_cast<int>(l.lines.size())) ? index : -1;
  }
  void ListSetHorizontalExtent(int id, int pixels) override { lists[Touch(id)].extent = pixels; }
  Rect ControlRect(int id) override { return controlRects[Touch(id)]; }
  void MoveControl(int id, const Rect& to) override { controlRects[Touch(id)] = to; }

  void SetTitle(const std::string& t) override { title = t; }
  void End(int r) override {
    ended = true;
    result = r;
  }
  void ShowWindow(WindowShow how) override {
    showCalls.push_back(how);
    visible = how != WindowShow::Hide;
    iconic = how == WindowShow::Minimize;
  }
  bool IsIconic() override { return iconic; }
  Rect ClientRect() override { return client; }
  void SetForeground() override { ++foregroundCalls; }
  Rect NormalRect() override { return normal; }
  Rect DesktopRect() override { return desktop; }
  void Place(int left, int top, int width, int height) override {
    normal = {left, top, left + width, top + height};
    ++placeCalls;
  }
  void SetIcons(int iconId) override { icon = iconId; }
  std::string LoadText(int stringId) override { return strings[stringId]; }
  bool AppendSystemMenuItem(int command, const std::string& text, bool separatorBefore) override {
    if (!hasSystemMenu) return false;
    if (separatorBefore) ++systemMenuSeparators;
    systemMenu.push_back({command, text});
    return true;
  }
  bool AddTrayIcon(int iconId, const std::string& tip) override {
    ++trayAdds;
    if (!trayWorks) return false;
    trayIcon = iconId;
    trayTip = tip;
    return true;
  }
  void DeleteTrayIcon() override {
    ++trayDeletes;
    trayIcon = 0;
  }
  bool ShowTrayBalloon(const std::string& t, const std::string& text) override {
    if (trayIcon == 0) return false;
    balloons.push_back({t, text});
    return true;
  }
  bool IsActive() override { return active; }
  void FlashUntilActive() override { ++flashes; }
  void StartTimer(int id, int ms) override { timers[id] = ms; }
  void StopTimer(int id) override { timers.erase(id); }
  void Invalidate() override { ++invalidations; }
  void DrawIcon(int iconId, int x, int y) override { drawn.push_back({iconId, x, y}); }
  void EraseIconBackground() override { ++iconBackgroundErased; }
  Size IconSize() override { return iconSize; }
  void WatchSessionChanges(bool on) override { watchingSession = on; }
  // A test reports a change by calling OnFolderChanged itself.
  std::function<void()> FolderChangedPoster() override { return [] {}; }
  void CheckSystemMenuItem(int command, bool checked) override { menuChecks[command] = checked; }
  bool PostActivationRequest(const std::string& t) override {
    for (const std::string& other : otherWindows)
      if (other == t) {
        activationsPosted.push_back(t);
        return true;
      }
    return false;
  }

  // Every control id the window's code addressed, to hold against its
  // template.
  std::set<int> touched;

  // Shorthands for tests.
  std::vector<std::string>& Lines(int id) { return lists[id].lines; }
  bool IsEnabled(int id) { return enabled.count(id) == 0 || enabled[id]; }

  std::map<int, std::string> texts;
  std::map<int, int> limits;
  std::map<int, bool> enabled;
  int focus = 0;
  std::map<int, List> lists;
  std::string title;
  bool ended = false;
  int result = 0;
  bool visible = true;
  std::vector<WindowShow> showCalls;
  int foregroundCalls = 0;
  Rect normal{0, 0, 400, 300};
  Rect desktop{0, 0, 1024, 768};
  int placeCalls = 0;
  int icon = 0;
  std::map<int, std::string> strings;
  bool hasSystemMenu = true;
  std::vector<std::pair<int, std::string>> systemMenu;
  int systemMenuSeparators = 0;
  bool trayWorks = true;
  int trayIcon = 0;
  std::string trayTip;
  int trayAdds = 0;
  int trayDeletes = 0;
  std::map<int, int> timers;
  std::vector<std::pair<std::string, std::string>> balloons;  // title, text
  bool active = true;
  int flashes = 0;
  int invalidations = 0;
  std::vector<DrawnIcon> drawn;
  std::vector<std::string> otherWindows;
  std::vector<std::string> activationsPosted;
  std::map<int, Rect> controlRects;
  bool iconic = false;
  Rect client{0, 0, 244, 118};
  int iconBackgroundErased = 0;
  Size iconSize{32, 32};
  bool watchingSession = false;
  std::map<int, bool> menuChecks;

 private:
  int Touch(int id) {
    touched.insert(id);
    return id;
  }
};

}  // namespace quorvel::test
