// One set of cases for the profile of the build at hand: the INI stand-in
// natively, the private-profile functions under Wine. The expected values
// and bytes are what Wine's GetPrivateProfileStringA, GetPrivateProfileIntA
// and WritePrivateProfileStringA give.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class ProfileContract : public ::testing::Test {
 protected:
  TempDir dir;
  // Every test file has a name of its own: Wine keeps loaded profiles and
  // notices a change only by the file time.
  std::unique_ptr<Profile> Make(const std::string& name) { return test::MakeRealProfile(dir / name); }
  std::unique_ptr<Profile> MakeWith(const std::string& name, const std::string& bytes) {
    WriteFileBytes(dir / name, bytes);
    return Make(name);
  }
};

TEST_F(ProfileContract, WritesTheBytesWindowsWrites) {
  auto p = Make("new.ini");
  const std::string file = dir / "new.ini";
  struct Step {
    const char* section;
    const char* key;
    const char* value;
    const char* bytes;
  };
  const Step steps[] = {
      {"Section", "key", "value", "[Section]\r\nkey=value\r\n"},
      {"Section", "key2", "v2", "[Section]\r\nkey=value\r\nkey2=v2\r\n"},
      {"Other", "k", "x", "[Section]\r\nkey=value\r\nkey2=v2\r\n[Other]\r\nk=x\r\n"},
      // Replaced in place; the file keeps its own spelling of the names.
      {"section", "KEY", "replaced",
       "[Section]\r\nkey=replaced\r\nkey2=v2\r\n[Other]\r\nk=x\r\n"},
      {"Section", "key2", "", "[Section]\r\nkey=replaced\r\nkey2=\r\n[Other]\r\nk=x\r\n"},
      {"Section", "key", "\x89\x63\x8B\xC6", "[Section]\r\nkey=\x89\x63\x8B\xC6\r\nkey2=\r\n[Other]\r\nk=x\r\n"},
      {"Other", "k", "  lead", "[Section]\r\nkey=\x89\x63\x8B\xC6\r\nkey2=\r\n[Other]\r\nk=lead\r\n"},
  };
  for (const Step& s : steps) {
    p->WriteText(s.section, s.key, s.value);
    EXPECT_EQ(ReadFileBytes(file), s.bytes) << s.section << "/" << s.key;
  }
  p->WriteInt("Window", "Top", -12);
  p->WriteInt("Window", "Left", 0);
  EXPECT_EQ(ReadFileBytes(file),
            "[Section]\r\nkey=\x89\x63\x8B\xC6\r\nkey2=\r\n[Other]\r\nk=lead\r\n"
            "[Window]\r\nTop=-12\r\nLeft=0\r\n");
  EXPECT_EQ(p->ReadText("SECTION", "key2", "def"), "") << "present but empty";
  EXPECT_EQ(p->ReadInt("window", "top", 5), -12);
  EXPECT_EQ(p->ReadText("Section", "key"), "\x89\x63\x8B\xC6");
}

TEST_F(ProfileContract, WritesIntoHandMadeFilesWhereWindowsDoes) {
  struct Case {
    const char* what;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"no line break at the end", "[A]\r\na=1", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
      {"new key after the last line of its section", "; top\r\n[A]\r\na=1\r\n; end\r\n[B]\r\nb=1\r\n",
       "A", "new", "2", "; top\r\n[A]\r\na=1\r\n; end\r\nnew=2\r\n[B]\r\nb=1\r\n"},
      {"first of two equal keys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "3", "[S]\r\nk=3\r\nk=2\r\n"},
      {"first of two equal sections", "[A]\r\n[a]\r\nk=second\r\n", "A", "k", "new",
       "[A]\r\nk=new\r\n[a]\r\nk=second\r\n"},
      {"key without equals sign", "[S]\r\nflag\r\nz=1\r\n", "S", "FLAG", "on",
       "[S]\r\nflag=on\r\nz=1\r\n"},
      {"keys before any section stay apart", "x=1\r\n[A]\r\na=1\r\n", "A", "x", "2",
       "x=1\r\n[A]\r\na=1\r\nx=2\r\n"},
      {"new section at the end", "[A]\r\na=1\r\n", "B", "b", "2", "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "w" + std::to_string(n++) + ".ini";
    MakeWith(name, c.before)->WriteText(c.section, c.key, c.value);
    EXPECT_EQ(ReadFileBytes(dir / name), c.after) << c.what;
  }
}

TEST_F(ProfileContract, ReadsHandEditedFiles) {
  auto p = MakeWith("hand.ini",
                    "; comment\n\n[Sec]\nkey = value with blanks \nkey=second\n"
                    "  Spaced Key  =  x  \nq1=\"quoted\"\nq2='single'\nq3=\"unbalanced\n"
                    "q4=\" a \"\nq5=\"\nq6=\"a\"b\"\nqq=\"\"\nempty=\nnoequals\neq=a=b\n"
                    "tab=\tt\t\ncz=\x1Ax\x1A\nfw=\x81\x40\x91\x53\x81\x40\n"
                    "[sec]\ndup=insecond\n[ Padded ]\npk=1\n[Trail] ; c\ntk=2\n"
                    "  [Lead]\nlk=3\n;commentkey=9\n[a]b]\nab=1\n[broken\nbk=2\n"
                    "[\x83\x41]\nkana=1\n");
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"Sec", "key", "value with blanks"},  // blanks trimmed, first key wins
      {"SEC", "KEY", "value with blanks"},
      {"Sec", "Spaced Key", "x"},
      {"Sec", " spaced key  ", "x"},  // the asked names are trimmed too
      {"Sec", "q1", "quoted"},
      {"Sec", "q2", "single"},
      {"Sec", "q3", "\"unbalanced"},
      {"Sec", "q4", " a "},
      {"Sec", "q5", "\""},
      {"Sec", "q6", "a\"b"},
      {"Sec", "qq", ""},
      {"Sec", "empty", ""},
      {"Sec", "noequals", "DEF"},
      {"Sec", "eq", "a=b"},
      {"Sec", "tab", "t"},
      {"Sec", "cz", "x"},
      {"Sec", "fw", "\x81\x40\x91\x53\x81\x40"},  // the ideographic blank is kept
      {"Sec", "dup", "DEF"},                      // only the first [Sec] counts
      {"Padded", "pk", "1"},
      {"Trail", "tk", "2"},
      {"Lead", "lk", "3"},
      {"Lead", ";commentkey", "9"},  // a ";" line is an ordinary key
      {"Lead", "commentkey", "DEF"},
      {"a]b", "ab", "1"},
      {"a]b", "bk", "2"},  // "[broken" opens no section
      {"a", "ab", "DEF"},
      {"\x83\x41", "kana", "1"},
      {"\x83\x61", "kana", "DEF"},  // a second byte is no letter
      {"Missing", "key", "DEF"},
      {"Sec", "missing", "DEF"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(p->ReadText(c.section, c.key, "DEF"), c.expected) << c.section << "/" << c.key;
  EXPECT_EQ(p->ReadText("Sec", "missing"), "");
  EXPECT_EQ(p->ReadText("Sec", "missing", "x  "), "x") << "default loses trailing blanks";
}

TEST_F(ProfileContract, LineBreaksOfEveryKind) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"CRLF", "[A]\r\na=1\r\nb=2\r\n"},
      {"LF", "[A]\na=1\nb=2\n"},
      {"CR", "[A]\ra=1\rb=2\r"},
      {"mixed, no end", "[A]\r\na=1\rb=2"},
      {"UTF-8 mark", "\xEF\xBB\xBF[A]\r\na=1\r\nb=2\r\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    auto p = MakeWith("lb" + std::to_string(n++) + ".ini", c.bytes);
    EXPECT_EQ(p->ReadText("A", "a"), "1") << c.what;
    EXPECT_EQ(p->ReadText("A", "b"), "2") << c.what;
  }
}

TEST_F(ProfileContract, ReadIntAsGetPrivateProfileIntDoes) {
  struct Case {
    const char* value;  // null: key absent
    int expected;
  };
  const Case cases[] = {
      {nullptr, 77},  {"", 77},         {"3", 3},
      {"-1", -1},     {"+7", 7},        {"  42  ", 42},
      {"\"12\"", 12}, {"abc", 0},       {"12abc", 12},
      {"1e3", 1},     {"- 5", 0},       {"--5", 0},
      {"-", 0},       {"0x10", 16},     {"0X1f", 0},
      {"0x1g", 1},    {"0x", 0},        {"-0x1F", -31},
      {"0o17", 15},   {"0b101", 5},     {"09", 9},
      {"0xFFFFFFFF", -1},               {"4294967295", -1},
      {"2147483648", -2147483647 - 1},  {"-2147483649", 2147483647},
      {"99999999999", 1215752191},      {"\x82\x4f", 0},  // a full-width digit
      {"\x81\x40" "5", 0},
      // Only the first 29 characters are read.
      {"12345678901234567890123456789012345", 1849262357},
      {"000000000000000000000000000000000000000000007", 0},
  };
  std::string bytes = "[S]\r\nflag\r\n";
  for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    if (cases[i].value != nullptr) bytes += "k" + std::to_string(i) + "=" + cases[i].value + "\r\n";
  auto p = MakeWith("int.ini", bytes);
  for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(p->ReadInt("S", "k" + std::to_string(i), 77), cases[i].expected)
        << (cases[i].value ? cases[i].value : "(absent)");
  EXPECT_EQ(p->ReadInt("S", "flag", 77), 77) << "no equals sign";
  EXPECT_EQ(p->ReadInt("Nothing", "k0", -1), -1);
}

TEST_F(ProfileContract, ForeignTextKeepsToItsCapacity) {
  WriteFileBytes(dir / "drop.ini",
                 "[Personal]\r\nMyName=value with blanks\r\nMyCode=\x89\x63\x8B\xC6\x89\x63\x8B\xC6\r\n"
                 "Group=a\x89\x63z\r\nq=\"quoted\"\r\n");
  auto p = Make("own.ini");
  const std::string drop = dir / "drop.ini";
  struct Case {
    const char* key;
    int capacity;
    const char* expected;
  };
  const Case cases[] = {
      {"MyName", 100, "value with blanks"},
      {"MyName", 18, "value with blanks"},
      {"MyName", 17, "value with blank"},
      {"MyName", 5, "valu"},
      {"MyName", 2, "v"},
      {"MyName", 1, ""},
      {"MyCode", 9, "\x89\x63\x8B\xC6\x89\x63\x8B\xC6"},
      {"MyCode", 6, "\x89\x63\x8B\xC6"},  // never half a character
      {"MyCode", 5, "\x89\x63\x8B\xC6"},
      {"MyCode", 4, "\x89\x63"},
      {"Group", 3, "a"},
      {"Group", 4, "a\x89\x63"},
      {"q", 9, "quoted"},
      {"q", 6, "quote"},
      {"Missing", 16, "DEF"},
      {"Missing", 3, "DE"},  // the default is cut like a value
  };
  for (const Case& c : cases)
    EXPECT_EQ(p->ReadForeignText(drop, "Personal", c.key, "DEF", c.capacity), c.expected)
        << c.key << " " << c.capacity;
  // Nothing of the own file was created by reading another.
  EXPECT_FALSE(test::PathExists(dir / "own.ini"));
}

TEST_F(ProfileContract, ForeignFileThatIsNoProfileGivesDefaults) {
  auto p = Make("own.ini");
  std::string garbage;
  for (int i = 0; i < 70000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  WriteFileBytes(dir / "garbage.exe", garbage);
  test::MakeFolder(dir / "folder.ini");
  for (const std::string& path : {dir / "missing.ini", dir / "garbage.exe", dir / "folder.ini",
                                  dir / "nofolder\\x.ini"}) {
    EXPECT_EQ(p->ReadForeignText(path, "Personal", "MyName", "keep", 16), "keep") << path;
    EXPECT_EQ(p->ReadForeignText(path, "Button", "Button1", "", 20), "") << path;
  }
}

TEST_F(ProfileContract, LongValues) {
  std::string bytes = "[S]\r\n";
  for (std::size_t len : {255u, 256u, 1023u, 1024u, 5000u, 65535u, 70000u})
    bytes += "k" + std::to_string(len) + "=" + std::string(len, 'v') + "\r\n";
  bytes += "after=1\r\n";
  auto p = MakeWith("long.ini", bytes);
  for (std::size_t len : {255u, 256u, 1023u, 1024u, 5000u, 65535u})
    EXPECT_EQ(p->ReadText("S", "k" + std::to_string(len)), std::string(len, 'v')) << len;
  EXPECT_EQ(p->ReadText("S", "k70000"), std::string(65535, 'v')) << "bounded";
  EXPECT_EQ(p->ReadText("S", "after"), "1");
  // A 20-byte name typed by hand is read unchanged.
  auto q = MakeWith("name.ini", "[Personal]\r\nMyName=\x89\x63\x8B\xC6" "0123456789abcdef\r\n");
  EXPECT_EQ(q->ReadText("Personal", "MyName"), "\x89\x63\x8B\xC6" "0123456789abcdef");
}

TEST_F(ProfileContract, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  auto p = Make("none.ini");
  EXPECT_EQ(p->ReadText("Personal", "MyName"), "");
  EXPECT_EQ(p->ReadText("Button", "Button21", "\x8D\x80\x96\xDA" "21"), "\x8D\x80\x96\xDA" "21");
  EXPECT_EQ(p->ReadInt("Personal", "OnExit", -1), -1);
  EXPECT_FALSE(test::PathExists(dir / "none.ini"));
  p->WriteText("Personal", "MyName", "");
  EXPECT_EQ(ReadFileBytes(dir / "none.ini"), "[Personal]\r\nMyName=\r\n");
  // A folder that is not there: the write is lost, silently.
  auto q = Make("nofolder\\x.ini");
  q->WriteText("S", "k", "v");
  EXPECT_FALSE(test::PathExists(dir / "nofolder"));
  EXPECT_EQ(q->ReadText("S", "k", "d"), "d");
}

TEST_F(ProfileContract, ALineBreakInAValueAddsNoKey) {
  auto p = Make("inject.ini");
  p->WriteText("S", "k", "line1\r\nevil=1");
  p->WriteText("S", "m", "a\nb");
  EXPECT_EQ(p->ReadText("S", "evil", "none"), "none");
  EXPECT_EQ(p->ReadText("S", "k"), "line1");
  EXPECT_EQ(ReadFileBytes(dir / "inject.ini"), "[S]\r\nk=line1\r\nm=a\r\n");
}

TEST_F(ProfileContract, WritingKeepsTheRestOfAHandEditedFile) {
  auto p = MakeWith("keep.ini",
                    "; written by hand\n[Personal]\nMyName=old\nMyCode = 7 \n\n"
                    "[Button]\nButton1=\x8D\x80\x96\xDA\n;note=x\n[Other]\nz=\"q\"\n");
  p->WriteText("Personal", "MyName", "new");
  p->WriteText("Button", "Button2", "b2");
  const std::string after = ReadFileBytes(dir / "keep.ini");
  EXPECT_NE(after.find("; written by hand"), std::string::npos);
  EXPECT_NE(after.find(";note=x"), std::string::npos);
  EXPECT_EQ(p->ReadText("Personal", "MyName"), "new");
  EXPECT_EQ(p->ReadText("Personal", "MyCode"), "7");
  EXPECT_EQ(p->ReadText("Button", "Button1"), "\x8D\x80\x96\xDA");
  EXPECT_EQ(p->ReadText("Button", "Button2"), "b2");
  EXPECT_EQ(p->ReadText("Other", "z"), "q");
  // The new key goes after the section's last line, not at the end of the file.
  EXPECT_LT(after.find(";note=x"), after.find("Button2"));
  EXPECT_LT(after.find("Button2"), after.find("[Other]"));
}

TEST_F(ProfileContract, HugeFile) {
  std::string bytes;
  for (int i = 0; i < 20000; ++i)
    bytes += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + std::string(80, 'p') + "\r\n";
  auto p = MakeWith("huge.ini", bytes);  // about 2 MB
  EXPECT_EQ(p->ReadText("S19999", "k"), "19999" + std::string(80, 'p'));
  p->WriteText("S10000", "k", "changed");
  p->WriteText("Last", "k", "new");
  EXPECT_EQ(p->ReadText("S10000", "k"), "changed");
  EXPECT_EQ(p->ReadText("S0", "k"), "0" + std::string(80, 'p'));
  EXPECT_EQ(p->ReadText("S19999", "k"), "19999" + std::string(80, 'p'));
  EXPECT_EQ(p->ReadText("Last", "k"), "new");
}

TEST_F(ProfileContract, BinaryGarbageNeitherCrashesNorHidesGoodKeys) {
  std::string bytes = "[Personal]\r\nMyName=ok\r\n";
  for (int i = 0; i < 5000; ++i) {
    const char c = static_cast<char>((i * 131 + 7) % 256);
    bytes += (c == '[' || c == '\r' || c == '\n') ? 'x' : c;  // no new section, one line
  }
  bytes += "\r\n[System]\r\nServerName=\\\\srv\\share\r\n";
  auto p = MakeWith("bin.ini", bytes);
  EXPECT_EQ(p->ReadText("Personal", "MyName"), "ok");
  EXPECT_EQ(p->ReadText("System", "ServerName"), "\\\\srv\\share");
  p->WriteText("System", "ServerName", "x");
  EXPECT_EQ(p->ReadText("System", "ServerName"), "x");
  EXPECT_EQ(p->ReadText("Personal", "MyName"), "ok");
  const std::string nul("[S]\r\na=1\r\nb=\0zz\r\nc=3\r\n", 22);
  auto q = MakeWith("zero.ini", nul);  // not "nul": a device name to Windows
  EXPECT_EQ(q->ReadText("S", "a"), "1");
  EXPECT_EQ(q->ReadText("S", "b", "d"), "") << "a zero byte ends the value";
  EXPECT_EQ(q->ReadText("S", "c"), "3");
}

TEST_F(ProfileContract, AWriteSaysWhetherItWasKept) {
  EXPECT_TRUE(Make("ok.ini")->WriteText("A", "a", "1"));
  EXPECT_TRUE(Make("ok.ini")->WriteInt("A", "n", 2));
  test::MakeFolder(dir / "folder.ini");
  const std::string cannot[] = {dir / "missing\\x.ini", dir / "folder.ini"};
  for (const std::string& path : cannot) {
    auto p = test::MakeRealProfile(path);
    EXPECT_FALSE(p->WriteText("A", "a", "1")) << path;
    EXPECT_FALSE(p->WriteInt("A", "n", 2)) << path;
  }
}

}  // namespace
}  // namespace quorvel
