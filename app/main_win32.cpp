// The program's entry point: sets the profile and application names, runs
// the multi-group window as the modal main window, and ends when it closes.
#include <windows.h>
#include <commctrl.h>

#include "app/EditionWindows.h"
#include "group/MultiGroupWindow.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderWatch.h"
#include "platform/win32/Win32InputClock.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32Prompt.h"
#include "ui/win32/Win32DialogRunner.h"

namespace {

// The profile is a bare file name, so the system keeps it in the Windows
// directory; the application name captions every message box.
const char kProfileName[] = "QVL.ini";
const char kApplicationName[] = "Quorvel Multi Group";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  quorvel::Win32FileSystem files;
  quorvel::Win32Clock clock;
  quorvel::Win32Prompt prompt(kApplicationName);
  quorvel::Win32Profile profile(kProfileName);
  quorvel::Win32InputClock input;
  quorvel::Platform platform{files, clock, prompt, &input};
  quorvel::Win32DialogRunner runner(prompt);
  quorvel::Win32FolderWatcher folders;
  quorvel::EditionWindows editions(platform, profile, runner, folders,
                                   quorvel::kGroupListFileName);

  quorvel::MultiGroupWindow window(editions.GetServices());
  runner.RunUnowned(window);
  return 0;
}
