#pragma once
// The memo notice of the desk's own window: the memo button counts the
// memos that wait, and a memo that arrives while nobody looks is signalled
// by the tray balloon or the taskbar button, never by a message box.
#include <string>

#include "platform/Platform.h"
#include "shell/MemberAddress.h"

namespace quorvel {

// "伝言を確認", with " (N)" while memos wait ("99+" beyond 99).
std::string MemoButtonCaption(int waiting);
// "伝言が N 件あります"
std::string MemoBalloonText(int waiting);
extern const char kMemoBalloonTitle[];  // "伝言が届きました"

// How a count that changed by itself is signalled.
enum class MemoCue { None, Balloon, Flash };
MemoCue CueForCount(int before, int now, bool inTray, bool active);

// The memos waiting for the member, read without a message and without
// keeping a sender waiting: 0 when the file is missing or unreadable, or the
// member cannot be named. `held` is set, and the count is of no use, while
// another desk has the file open.
int WaitingMemos(Platform& platform, const MemberAddress& member, bool& held);

}  // namespace quorvel
