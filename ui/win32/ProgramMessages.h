#pragma once
// The program's own window messages, between its windows and the host.
#include <windows.h>

namespace quorvel {

constexpr UINT kTrayMessage = WM_APP + 100;           // the tray icon's callback
constexpr UINT kActivationRequest = WM_APP + 101;     // from a second start
constexpr UINT kFolderChangedMessage = WM_APP + 102;  // from a folder watch

}  // namespace quorvel
