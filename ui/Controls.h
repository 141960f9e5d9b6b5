#pragma once
// Ids and codes that the portable windows share with the Win32 host, which
// checks each against the system's headers.
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

constexpr int kVersionCommand = IDM_VERSION;        // system-menu item
constexpr int kVersionStringId = IDS_VERSION_ITEM;  // "バージョン情報"

}  // namespace quorvel
