#pragma once
// The change of the desk's own identity that the personal window's
// "設定変更" and the group window's "私の設定" carry out: a new name alone
// renames the member in place; a new server name, group or code moves the
// member's status and every byte of the memo file to the new place and
// removes the old files. A change that cannot be made whole is refused
// before anything changes, with one message that says why.
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "shell/ProfileRules.h"
#include "shell/Services.h"

namespace quorvel {

enum class IdentityChangeResult {
  Unchanged,  // nothing differed; nothing was done
  Renamed,    // the status file carries the new name; the profile's name written
  Moved,      // new files written, profile written, old files removed
  Refused,    // told the user why; the old identity stands
};

// Checks, writes the shared files, then the profile (only once the files
// are done). The caller takes `after` as its identity on Renamed or Moved.
IdentityChangeResult ChangeIdentity(Platform& platform, Profile& profile, const Identity& before,
                                    const Identity& after);

// "設定変更" and "私の設定": the settings dialog over the window's identity,
// then the change it asks for. `identity` becomes the new one when the
// change was made. False when the dialog was cancelled.
bool EditOwnIdentity(Services& services, Identity& identity);

}  // namespace quorvel
