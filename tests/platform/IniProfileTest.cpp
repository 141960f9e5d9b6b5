// What only the stand-in promises beyond the shared contract: it edits the
// file in place, where Windows rewrites it whole.
#ifndef _WIN32
#include "platform/posix/IniProfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

namespace quorvel {
namespace {

using test::NativePath;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(IniProfile, EditsInPlaceAndKeepsEveryOtherByte) {
  struct Case {
    const char* what;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"LF file, padded line replaced", "; c\n[A]\n  key = old  \n\n[B]\nb = 1\n", "a", "KEY", "new",
       "; c\n[A]\nkey=new\n\n[B]\nb = 1\n"},
      {"new key before the blank line that ends a section", "[A]\na=1\n\n[B]\nb=1\n", "A", "n", "2",
       "[A]\na=1\nn=2\r\n\n[B]\nb=1\n"},
      {"new section after a last line without break", "[A]\na=1", "B", "b", "2",
       "[A]\na=1\r\n[B]\r\nb=2\r\n"},
      {"CR line kept", "[A]\ra=1\rz=9\r", "A", "a", "5", "[A]\ra=5\rz=9\r"},
      {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\r\na=1\r\n", "A", "a", "2", "\xEF\xBB\xBF[A]\r\na=2\r\n"},
      {"binary rest untouched", "[A]\r\na=1\r\n\x01\xFF\x80=\x81\r\n", "A", "a", "",
       "[A]\r\na=\r\n\x01\xFF\x80=\x81\r\n"},
  };
  TempDir dir;
  int n = 0;
  for (const Case& c : cases) {
    const std::string path = dir / ("f" + std::to_string(n++) + ".ini");
    WriteFileBytes(path, c.before);
    IniProfile(path).WriteText(c.section, c.key, c.value);
    EXPECT_EQ(ReadFileBytes(path), c.after) << c.what;
  }
}

TEST(IniProfile, ReadOnlyFileIsLeftAlone) {
  TempDir dir;
  const std::string path = dir / "ro.ini";
  WriteFileBytes(path, "[A]\r\na=1\r\n");
  test::SetReadOnly(path, true);
  EXPECT_FALSE(IniProfile(path).WriteText("A", "a", "2")) << "the failure is reported";
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\na=1\r\n");
  EXPECT_EQ(IniProfile(path).ReadText("A", "a"), "1");
}

TEST(IniProfile, KeepsPermissionsAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir / "p.ini";
  WriteFileBytes(path, "[A]\r\n");
  ::chmod(NativePath(path).c_str(), 0640);
  IniProfile(path).WriteInt("A", "n", 3);
  struct stat st;
  ASSERT_EQ(::stat(NativePath(path).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nn=3\r\n");
  EXPECT_FALSE(test::PathExists(path + ".qvtmp" + std::to_string(::getpid())));
}

TEST(IniProfile, FileOverTheLimitReadsAsDefaultsAndIsNeverRewritten) {
  TempDir dir;
  const std::string path = dir / "big.ini";
  WriteFileBytes(path, "[A]\r\na=1\r\n");
  // Sparse, so the test costs no disk.
  ASSERT_EQ(::truncate(NativePath(path).c_str(), IniProfile::kMaxFileBytes + 1), 0);
  IniProfile p(path);
  EXPECT_EQ(p.ReadText("A", "a", "d"), "d");
  EXPECT_FALSE(p.WriteText("A", "a", "2"));
  struct stat st;
  ASSERT_EQ(::stat(NativePath(path).c_str(), &st), 0);
  EXPECT_EQ(static_cast<std::size_t>(st.st_size), IniProfile::kMaxFileBytes + 1);
  EXPECT_EQ(ReadFileBytes(path).compare(0, 10, "[A]\r\na=1\r\n"), 0);
}

}  // namespace
}  // namespace quorvel
#endif
