#pragma once
// The edition chooser: four buttons, each running one edition's main
// window while the chooser waits minimised; the about box from its system
// menu. It ends only by Esc or its close box.
#include <cstdint>

#include "res/resource.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

class EditionWindows;

class EditionSelectDialog : public Dialog {
 public:
  static constexpr int kTemplateId = IDD_EDITION_SELECT;

  EditionSelectDialog(Services& services, EditionWindows& editions);

  bool OnInit() override;
  void OnCommand(int id, int notification) override;
  bool OnOK() override { return false; }  // the OK button is hidden and disabled
  bool OnSystemCommand(int command) override;
  // Minimised, the chooser paints its own icon in the middle.
  void OnPaint() override;
  int DragIcon() override;

 private:
  Services& services_;
  EditionWindows& editions_;
  bool running_ = false;  // an edition runs; a second press waits for it
};

// The plain version box of the chooser's system menu.
class AboutDialog : public Dialog {
 public:
  static constexpr int kTemplateId = IDD_ABOUT;
  explicit AboutDialog(Services& services) : Dialog(kTemplateId, services.platform.prompt) {}
};

}  // namespace quorvel
