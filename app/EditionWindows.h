#pragma once
// The composition root: makes every window of the program where one opens
// another, so the edition folders need not know each other. Start-up owns
// one; every window reaches it through Services.
#include <string>

#include "platform/Platform.h"
#include "platform/Profile.h"
#include "shell/Edition.h"
#include "shell/Opener.h"
#include "shell/Services.h"
#include "ui/DialogRunner.h"

namespace quorvel {

class EditionWindows : public Opener {
 public:
  // groupListPath: the multi-group board's group list file.
  EditionWindows(Platform& platform, Profile& profile, DialogRunner& runner,
                 FolderWatcher& folders, std::string groupListPath);

  Services& GetServices() { return services_; }

  // An edition's main window as the chooser runs it: a window of its own,
  // with its defaults.
  void RunEdition(Edition edition);

  void ComposeMemo(const MemberAddress& addressee) override;
  void ShowMessageBoard(const MemberAddress& member) override;
  void RunPersonalWindow(const PersonalWindowRequest& request) override;
  void ShowGroupStatusList(const std::string& serverName, const std::string& group) override;
  bool EditSettings(MemberAddress& identity) override;
  void CustomizeButtons() override;
  void ChooseEdition() override;

 private:
  Services services_;
  std::string groupListPath_;
};

}  // namespace quorvel
