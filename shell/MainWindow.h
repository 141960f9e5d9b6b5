#pragma once
// What the four main windows share: the tray icon, one window per title,
// the version item of the system menu and the one saved position.
#include <string>

#include "shell/Edition.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

// The per-window constants of the shared behaviour, set by name.
struct MainWindowTraits {
  const char* title = "";             // looked for at opening, then set
  int iconiseControl = 0;             // 2 makes Esc and the close box iconise too
  int closeControl = 0;               // 2 ends with cancel, any other id ends with 0
  int windowIcon = 0;                 // big and small
  int trayIcon = 0;
  bool trayRestoreRefreshes = false;  // a left press on the tray icon reloads the list
  Edition edition = Edition::None;    // passed to the version panel
};

extern const MainWindowTraits kPersonalWindowTraits;
extern const MainWindowTraits kGroupWindowTraits;
extern const MainWindowTraits kMultiUserWindowTraits;
extern const MainWindowTraits kMultiGroupWindowTraits;

extern const char kTrayTip[];  // "Quorvel"

// The opening and closing of every main window happen here, in the one
// order the windows share; a window fills in its own part through the hooks.
class MainWindow : public Dialog {
 public:
  MainWindow(int templateId, const MainWindowTraits& traits, Services& services);

  // Standard initialisation, the hand-over to a running window of the same
  // title, the version item and icons, the title, the window's own part
  // (OnOpen), then the placement. After a hand-over the rest still runs, as
  // the window is destroyed only once its initialisation is over.
  bool OnInit() final;
  // Saves the position, then the window's own part (OnClose).
  void OnDestroy() final;

  // The iconise and close controls; the hidden OK button does nothing.
  // Windows pass every command they do not handle themselves on to here.
  void OnCommand(int id, int notification) override;
  bool OnOK() override;      // Enter never closes a main window
  void OnCancel() override;  // Esc and the close box: iconise or end, per traits
  void OnTrayMessage(int mouseMessage) override;
  void OnActivationRequest() override;
  bool OnSystemCommand(int command) override;
  void OnTaskbarCreated() override;

  bool Iconised() const { return iconised_; }
  bool HandedOver() const { return handedOver_; }

 protected:
  // The window's own opening steps, between the title and the placement.
  virtual void OnOpen() {}
  // False where the opener decides the place (proxy input).
  virtual bool PlacesItself() const { return true; }
  virtual void OnClose() {}
  // The list reload of a tray restore, for windows whose traits ask for it.
  virtual void RefreshAfterRestore() {}

  void Iconise();
  void Close();

  Services& services_;

 private:
  void RunOpenSteps();
  void PlaceWindow();
  void SavePosition();

  const MainWindowTraits traits_;
  bool iconised_ = false;
  bool handedOver_ = false;
};

}  // namespace quorvel
