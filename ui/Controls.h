#pragma once
// Ids and codes that the portable windows share with the Win32 host.
#include "res/resource.h"

namespace quorvel {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// Notification codes of WM_COMMAND.
constexpr int kNotifyClicked = 0;      // BN_CLICKED
constexpr int kNotifySelChange = 1;    // LBN_SELCHANGE, CBN_SELCHANGE
constexpr int kNotifyDoubleClick = 2;  // LBN_DBLCLK

// The mouse message carried by the tray callback that restores a window.
constexpr int kMouseLeftDown = 0x0201;  // WM_LBUTTONDOWN

// System messages a dialog may answer through OnMessage.
constexpr unsigned kQueryDragIconMessage = 0x0037;  // WM_QUERYDRAGICON
constexpr unsigned kEnableMessage = 0x000A;         // WM_ENABLE: off while a child runs
constexpr unsigned kSessionChangeMessage = 0x02B1;  // WM_WTSSESSION_CHANGE
constexpr int kSessionLock = 7;                     // WTS_SESSION_LOCK
constexpr int kSessionUnlock = 8;                   // WTS_SESSION_UNLOCK

// The program's own window messages.
constexpr unsigned kTrayMessage = 0x8000 + 100;         // WM_APP+100
constexpr unsigned kActivationRequest = 0x8000 + 101;   // WM_APP+101
constexpr unsigned kFolderChangedMessage = 0x8000 + 102;  // WM_APP+102, from a folder watch
constexpr int kVersionCommand = IDM_VERSION;            // system-menu item
constexpr int kVersionStringId = IDS_VERSION_ITEM;      // "バージョン情報"

}  // namespace quorvel
