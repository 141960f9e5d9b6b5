// The program's manifest, which the test program carries too: the loader
// reads it before any code runs, and it decides how the controls look, how
// the windows scale, and where a standard user's QVL.ini goes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace quorvel::test {
namespace {

std::string ManifestText() {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_MANIFEST));
  if (found == nullptr) return std::string();
  const char* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  std::string text(data, SizeofResource(nullptr, found));
  // Comments may name what the manifest leaves out.
  for (std::size_t open; (open = text.find("<!--")) != std::string::npos;) {
    const std::size_t close = text.find("-->", open);
    text.erase(open, close == std::string::npos ? std::string::npos : close + 3 - open);
  }
  return text;
}

TEST(ProgramManifest, ThemedControlsAndSystemDpiAwareness) {
  // A manifest the loader rejects would have stopped this program before
  // main; these show that it was read and acted on.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&controls));
  // Only the buttons of Common Controls 6, the themed ones, know their ideal
  // size; the version number is no witness, as Wine's version 6 reports 5.81.
  HWND button = CreateWindowA("Button", "OK", WS_POPUP | BS_PUSHBUTTON, 0, 0, 50, 14, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(button, nullptr);
  SIZE ideal = {};
  EXPECT_TRUE(SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)))
      << "the controls are not those of Common Controls 6";
  DestroyWindow(button);
  EXPECT_TRUE(IsProcessDPIAware()) << "unaware, the windows are a blurred stretch above 100%";
}

TEST(ProgramManifest, NamesNoExecutionLevel) {
  // Naming any level, even asInvoker, turns off the redirection of a
  // standard user's QVL.ini writes into their VirtualStore. Wine redirects
  // nothing, so the text is the only witness here.
  const std::string text = ManifestText();
  ASSERT_NE(text.find("<assembly"), std::string::npos);
  EXPECT_EQ(text.find("requestedExecutionLevel"), std::string::npos);
  EXPECT_EQ(text.find("trustInfo"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::test
