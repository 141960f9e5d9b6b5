#include "platform/win32/Win32Prompt.h"

#include <windows.h>

#include <utility>

namespace quorvel {

Win32Prompt::Win32Prompt(std::string caption) : caption_(std::move(caption)) {}

void Win32Prompt::Alert(const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), caption_.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool Win32Prompt::AskYesNo(const std::string& text) {
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption_.c_str(),
                     MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

}  // namespace quorvel
