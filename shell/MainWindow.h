#pragma once
// What the four main windows share: the tray icon, one window per title,
// the version item of the system menu and the one saved position.
#include <string>

#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

// The per-window constants of the shared behaviour.
struct MainWindowTraits {
  const char* title;          // looked for at opening, then set
  int iconiseControl;         // 2 makes Esc and the close box iconise too
  int closeControl;           // 2 ends with cancel, any other id ends with 0
  int windowIcon;             // big and small
  int trayIcon;
  bool trayRestoreRefreshes;  // a left press on the tray icon reloads the list
  int edition;                // passed to the version panel
};

extern const MainWindowTraits kPersonalWindowTraits;
extern const MainWindowTraits kGroupWindowTraits;
extern const MainWindowTraits kMultiUserWindowTraits;
extern const MainWindowTraits kMultiGroupWindowTraits;

extern const char kTrayTip[];  // "Quorvel"

class MainWindow : public Dialog {
 public:
  MainWindow(int templateId, const MainWindowTraits& traits, Services& services);

  // The iconise and close controls; the hidden OK button does nothing.
  // Windows pass every command they do not handle themselves on to here.
  void OnCommand(int id, int notification) override;
  bool OnOK() override;      // Enter never closes a main window
  void OnCancel() override;  // Esc and the close box: iconise or end, per traits
  void OnTrayMessage(int mouseMessage) override;
  void OnActivationRequest() override;
  bool OnSysCommand(int command) override;
  // Saves the position; a window overriding it must call it.
  void OnDestroy() override;
  void OnTaskbarCreated() override;

  bool Iconised() const { return iconised_; }
  const MainWindowTraits& Traits() const { return traits_; }

 protected:
  // The first steps of opening: hands over to a running window of the same
  // title (ending this one with 0), adds the version item, sets the icons.
  // The rest of the opening still runs after a hand-over, as the window is
  // destroyed only once its initialisation is over. True when handed over.
  bool RunOpenSteps();
  // The last step of opening: the saved position, clamped to the desktop.
  void PlaceWindow();
  void Iconise();
  void Close();
  void SavePosition();
  // The list reload of a tray restore, for windows whose traits ask for it.
  virtual void RefreshAfterRestore() {}

  Services& services_;

 private:
  const MainWindowTraits traits_;
  bool iconised_ = false;
};

}  // namespace quorvel
