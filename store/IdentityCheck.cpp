#include "store/IdentityCheck.h"

namespace quorvel {

bool HasIdentity(Platform& platform, const StatusRecord& record) {
  if (record.serverName.empty()) {
    platform.prompt.Alert("サーバ名が設定されていません");
    return false;
  }
  if (record.group.empty()) {
    platform.prompt.Alert("グループが設定されていません");
    return false;
  }
  if (record.code.empty()) {
    platform.prompt.Alert("コードが設定されていません");
    return false;
  }
  return true;
}

}  // namespace quorvel
