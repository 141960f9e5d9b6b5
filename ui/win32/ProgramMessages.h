#pragma once
// The program's own window messages, between its windows and the host
// (and the end-to-end driver, which sends what the shell would).
#include <windows.h>

namespace quorvel {

constexpr UINT kTrayMessage = WM_APP + 100;           // the tray icon's callback
constexpr UINT kActivationRequest = WM_APP + 101;     // from a second start
constexpr UINT kFolderChangedMessage = WM_APP + 102;  // from a folder watch

// The one tray icon a window adds; the tray message's wParam names it.
constexpr UINT kTrayIconId = 1001;

}  // namespace quorvel
