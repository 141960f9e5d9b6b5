#include "app/EditionWindows.h"

#include <utility>

#include "app/EditionSelectDialog.h"
#include "group/GroupStatusListDialog.h"
#include "group/GroupWindow.h"
#include "group/MultiGroupWindow.h"
#include "multiuser/MultiUserWindow.h"
#include "personal/ButtonCustomizeDialog.h"
#include "personal/MemoComposeDialog.h"
#include "personal/MessageBoardDialog.h"
#include "personal/PersonalWindow.h"
#include "personal/SettingsDialog.h"
#include "ui/Controls.h"

namespace quorvel {

EditionWindows::EditionWindows(Platform& platform, Profile& profile, DialogRunner& runner,
                               FolderWatcher& folders, std::string groupListPath)
    : services_{platform, profile, runner, *this, folders},
      groupListPath_(std::move(groupListPath)) {}

void EditionWindows::RunEdition(Edition edition) {
  switch (edition) {
    case Edition::Personal: {
      PersonalWindow window(services_);
      services_.runner.RunUnowned(window);
      break;
    }
    case Edition::MultiGroup: {
      MultiGroupWindow window(services_, groupListPath_);
      services_.runner.RunUnowned(window);
      break;
    }
    case Edition::Group: {
      GroupWindow window(services_);
      services_.runner.RunUnowned(window);
      break;
    }
    case Edition::MultiUser: {
      MultiUserWindow window(services_);
      services_.runner.RunUnowned(window);
      break;
    }
    case Edition::None:
      break;  // the chooser offers only the four
  }
}

void EditionWindows::ComposeMemo(const MemberAddress& addressee) {
  MemoComposeDialog dialog(services_, addressee);
  services_.runner.Run(dialog);
}

void EditionWindows::ShowMessageBoard(const MemberAddress& member) {
  MessageBoardDialog dialog(services_, member);
  services_.runner.Run(dialog);
}

void EditionWindows::RunPersonalWindow(const PersonalWindowRequest& request) {
  PersonalWindow window(services_);
  window.SetRequest(request);
  services_.runner.Run(window);
}

void EditionWindows::ShowGroupStatusList(const std::string& serverName, const std::string& group) {
  GroupStatusListDialog dialog(services_, serverName, group);
  services_.runner.Run(dialog);
}

bool EditionWindows::EditSettings(MemberAddress& identity) {
  SettingsDialog dialog(services_, identity);
  if (services_.runner.Run(dialog) != kIdOk) return false;
  identity = dialog.Identity();
  return true;
}

void EditionWindows::CustomizeButtons() {
  ButtonCustomizeDialog dialog(services_);
  services_.runner.Run(dialog);
}

void EditionWindows::ChooseEdition() {
  EditionSelectDialog dialog(services_, *this);
  services_.runner.Run(dialog);
}

}  // namespace quorvel
