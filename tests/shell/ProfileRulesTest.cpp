#include "shell/ProfileRules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel {
namespace {

// Names are kept exactly as spelt, so a misspelt key shows up; every call
// is logged with its default (or value) to pin names, order and defaults.
class RecordingProfile : public Profile {
 public:
  struct Call {
    std::string op, section, key, text;
    int capacity = 0;
    bool operator==(const Call& o) const {
      return op == o.op && section == o.section && key == o.key && text == o.text &&
             capacity == o.capacity;
    }
  };

  std::string ReadText(const std::string& section, const std::string& key,
                       const std::string& fallback) override {
    calls.push_back({"read", section, key, fallback});
    auto it = values.find(section + "/" + key);
    return it == values.end() ? fallback : it->second;
  }
  int ReadInt(const std::string& section, const std::string& key, int fallback) override {
    calls.push_back({"readint", section, key, std::to_string(fallback)});
    return fallback;
  }
  bool WriteText(const std::string& section, const std::string& key,
                 const std::string& value) override {
    calls.push_back({"write", section, key, value});
    values[section + "/" + key] = value;
    return true;
  }
  bool WriteInt(const std::string& section, const std::string& key, int value) override {
    calls.push_back({"writeint", section, key, std::to_string(value)});
    return true;
  }
  std::string ReadForeignText(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback,
                              int capacity) override {
    calls.push_back({"foreign", section, key, fallback, capacity});
    auto it = foreign.find(path + "|" + section + "/" + key);
    return it == foreign.end() ? fallback : it->second;
  }

  std::vector<Call> Only(const std::string& op) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.op == op) out.push_back(c);
    return out;
  }

  std::map<std::string, std::string> values;   // "Section/Key"
  std::map<std::string, std::string> foreign;  // "path|Section/Key"
  std::vector<Call> calls;
};

const std::string kKoumoku = "\x8D\x80\x96\xDA";  // 項目

TEST(ProfileRules, ButtonLabels) {
  EXPECT_EQ(kKoumoku, "項目");
  RecordingProfile p;
  p.values["Button/Button2"] = "";
  p.values["Button/Button3"] = "\x8D\xDD\x90\xC8";  // 在席
  struct Case {
    int n;
    std::string expected;
  };
  const Case cases[] = {{1, kKoumoku + "1"}, {2, ""}, {3, "\x8D\xDD\x90\xC8"},
                        {10, kKoumoku + "10"}, {21, kKoumoku + "21"}};
  for (const Case& c : cases) {
    p.calls.clear();
    EXPECT_EQ(ReadButtonLabel(p, c.n), c.expected) << c.n;
    ASSERT_EQ(p.calls.size(), 1u);
    EXPECT_EQ(p.calls[0], (RecordingProfile::Call{"read", "Button", "Button" + std::to_string(c.n),
                                                  kKoumoku + std::to_string(c.n)}));
  }
  EXPECT_EQ(KeyName(kButtonLabelKey, 21), "Button21");
  EXPECT_EQ(DefaultText(kButtonLabelKey, 1), kKoumoku + "1");
}

TEST(ProfileRules, ReadIdentityKeysAndDefaults) {
  RecordingProfile p;
  const std::string twentyBytes = "\x89\x63\x8B\xC6" "0123456789abcdef";  // longer than the box
  p.values["Personal/MyName"] = twentyBytes;
  p.values["System/ServerName"] = "\\\\srv\\share";
  const Identity id = ReadIdentity(p);
  EXPECT_EQ(id.name, twentyBytes);
  EXPECT_EQ(id.code, "");
  EXPECT_EQ(id.group, "");
  EXPECT_EQ(id.serverName, "\\\\srv\\share");
  using C = RecordingProfile::Call;
  EXPECT_EQ(p.calls, (std::vector<C>{{"read", "Personal", "MyName", ""},
                                     {"read", "Personal", "MyCode", ""},
                                     {"read", "Personal", "Group", ""},
                                     {"read", "System", "ServerName", ""}}));
}

TEST(ProfileRules, IdentityWritesDependOnWhatChanged) {
  const Identity before{"name", "c1", "g1", "\\\\srv"};
  using C = RecordingProfile::Call;
  struct Case {
    const char* what;
    Identity after;
    std::vector<C> writes;
  };
  const std::vector<C> all = {{"write", "Personal", "MyName", "N"},
                              {"write", "Personal", "MyCode", "C"},
                              {"write", "Personal", "Group", "G"},
                              {"write", "System", "ServerName", "S"}};
  const Case cases[] = {
      {"nothing", before, {}},
      {"name only", {"new", "c1", "g1", "\\\\srv"}, {{"write", "Personal", "MyName", "new"}}},
      {"name case", {"Name", "c1", "g1", "\\\\srv"}, {{"write", "Personal", "MyName", "Name"}}},
      {"everything", {"N", "C", "G", "S"}, all},
      {"code only",
       {"name", "c2", "g1", "\\\\srv"},
       {{"write", "Personal", "MyName", "name"},
        {"write", "Personal", "MyCode", "c2"},
        {"write", "Personal", "Group", "g1"},
        {"write", "System", "ServerName", "\\\\srv"}}},
      {"group case only",
       {"name", "c1", "G1", "\\\\srv"},
       {{"write", "Personal", "MyName", "name"},
        {"write", "Personal", "MyCode", "c1"},
        {"write", "Personal", "Group", "G1"},
        {"write", "System", "ServerName", "\\\\srv"}}},
      {"server only",
       {"name", "c1", "g1", "\\\\other"},
       {{"write", "Personal", "MyName", "name"},
        {"write", "Personal", "MyCode", "c1"},
        {"write", "Personal", "Group", "g1"},
        {"write", "System", "ServerName", "\\\\other"}}},
  };
  for (const Case& c : cases) {
    RecordingProfile p;
    WriteIdentityChange(p, before, c.after);
    EXPECT_EQ(p.calls, c.writes) << c.what;
  }
}

TEST(ProfileRules, ForeignIdentityUsesTheBoxCapacitiesAndKeepsAbsentValues) {
  RecordingProfile p;
  p.foreign["drop.ini|Personal/MyName"] = "dropped";
  const Identity current{"cur-name", "cur-code", "cur-group", "cur-server"};
  const Identity id = ReadForeignIdentity(p, "drop.ini", current);
  EXPECT_EQ(id.name, "dropped");
  EXPECT_EQ(id.code, "cur-code");
  EXPECT_EQ(id.group, "cur-group");
  EXPECT_EQ(id.serverName, "cur-server");
  using C = RecordingProfile::Call;
  const std::string absent = "\x01";  // a default no value holds, to see absent keys
  EXPECT_EQ(p.calls, (std::vector<C>{{"foreign", "System", "ServerName", absent, 256},
                                     {"foreign", "Personal", "Group", absent, 256},
                                     {"foreign", "Personal", "MyCode", absent, 256},
                                     {"foreign", "Personal", "MyName", absent, 256}}));
}

// Over the real profile: the platform cuts a default to the capacity and
// drops its trailing blanks, yet an absent key must keep the box's text.
TEST(ProfileRules, ForeignIdentityKeepsFullBoxesForAbsentKeys) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "drop.ini", "[Personal]\r\nMyName=Hanako\r\nGroup=\r\n");
  auto profile = test::MakeRealProfile(dir / "QVL.ini");
  const Identity current{"Taro", "0123456789abcdef", std::string(24, 'g'), "\\\\srv\\x "};
  const Identity id = ReadForeignIdentity(*profile, dir / "drop.ini", current);
  EXPECT_EQ(id.name, "Hanako");
  EXPECT_EQ(id.code, "0123456789abcdef") << "16 bytes, as the box allows";
  EXPECT_EQ(id.group, "") << "present, empty";
  EXPECT_EQ(id.serverName, "\\\\srv\\x ");

  const Identity none = ReadForeignIdentity(*profile, dir / "missing.ini", current);
  EXPECT_EQ(none.name, current.name);
  EXPECT_EQ(none.code, current.code);
  EXPECT_EQ(none.group, current.group);
  EXPECT_EQ(none.serverName, current.serverName);
}

TEST(ProfileRules, UserListReadsEverySlotAndClosesGaps) {
  RecordingProfile p;
  p.values["Users/Server03"] = "\\\\srv";
  p.values["Users/Group03"] = "g";
  p.values["Users/Code03"] = "007";
  p.values["Users/Name03"] = "three";
  p.values["Users/Server05"] = "no name, so no user";
  p.values["Users/Name20"] = "last";
  const UserList list = ReadUserList(p);
  ASSERT_EQ(list.users.size(), 2u);
  EXPECT_EQ(list.users[0].serverName, "\\\\srv");
  EXPECT_EQ(list.users[0].group, "g");
  EXPECT_EQ(list.users[0].code, "007");
  EXPECT_EQ(list.users[0].name, "three");
  EXPECT_EQ(list.users[1].name, "last");
  EXPECT_EQ(list.users[1].serverName, "");
  const auto reads = p.Only("read");
  ASSERT_EQ(reads.size(), 80u);
  EXPECT_EQ(reads[0], (RecordingProfile::Call{"read", "Users", "Server01", ""}));
  EXPECT_EQ(reads[1], (RecordingProfile::Call{"read", "Users", "Group01", ""}));
  EXPECT_EQ(reads[2], (RecordingProfile::Call{"read", "Users", "Code01", ""}));
  EXPECT_EQ(reads[3], (RecordingProfile::Call{"read", "Users", "Name01", ""}));
  EXPECT_EQ(reads[79], (RecordingProfile::Call{"read", "Users", "Name20", ""}));
  EXPECT_TRUE(p.Only("write").empty());
}

TEST(ProfileRules, UserListWritesAllEightyKeysAndEmptiesTheRest) {
  RecordingProfile p;
  p.values["Users/Server03"] = "\\\\srv";
  p.values["Users/Group03"] = "g";
  p.values["Users/Code03"] = "007";
  p.values["Users/Name03"] = "three";
  WriteUserList(p, ReadUserList(p));
  const auto writes = p.Only("write");
  ASSERT_EQ(writes.size(), 80u);
  const char* fields[] = {"Server", "Group", "Code", "Name"};
  for (int n = 1; n <= 20; ++n) {
    char num[8];
    std::snprintf(num, sizeof num, "%02d", n);
    for (int f = 0; f < 4; ++f) {
      const RecordingProfile::Call& w = writes[static_cast<std::size_t>((n - 1) * 4 + f)];
      EXPECT_EQ(w.section, "Users");
      EXPECT_EQ(w.key, std::string(fields[f]) + num);
      if (n > 1) {
        EXPECT_EQ(w.text, "") << w.key;
      }
    }
  }
  EXPECT_EQ(writes[0].text, "\\\\srv");
  EXPECT_EQ(writes[1].text, "g");
  EXPECT_EQ(writes[2].text, "007");
  EXPECT_EQ(writes[3].text, "three");
  EXPECT_EQ(p.values["Users/Name03"], "") << "the old slot is emptied";
  EXPECT_EQ(ReadUserList(p).users.size(), 1u);
}

TEST(ProfileRules, UserListNeverWritesBeyondTwentySlots) {
  RecordingProfile p;
  UserList list;
  // name, code, group, server
  for (int i = 0; i < 25; ++i) list.users.push_back({"n", std::to_string(i), "g", "s"});
  WriteUserList(p, list);
  const auto writes = p.Only("write");
  ASSERT_EQ(writes.size(), 80u);
  EXPECT_EQ(writes[79].key, "Name20");
  EXPECT_EQ(writes[78].text, "19");
}

// The same rules over the real profile of the build, file and all.
TEST(ProfileRules, UserSlotsMoveUpInTheRealFile) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "QVL.ini",
                       "[Users]\r\nServer03=\\\\srv\r\nGroup03=g\r\nCode03=7\r\nName03=three\r\n");
  auto profile = test::MakeRealProfile(dir / "QVL.ini");
  const UserList list = ReadUserList(*profile);
  ASSERT_EQ(list.users.size(), 1u);
  WriteUserList(*profile, list);
  EXPECT_EQ(profile->ReadText("Users", "Name01", "x"), "three");
  EXPECT_EQ(profile->ReadText("Users", "Code01", "x"), "7");
  EXPECT_EQ(profile->ReadText("Users", "Name03", "x"), "");
  EXPECT_EQ(profile->ReadText("Users", "Server20", "x"), "") << "present, empty";
  EXPECT_EQ(ReadButtonLabel(*profile, 21), kKoumoku + "21");
}

}  // namespace
}  // namespace quorvel
