// Reads every compiled dialog template of the program and checks it against
// what the windows' code relies on: unique ids, the ids the code touches,
// texts in code page 932, positions and styles.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/EditionSelectDialog.h"
#include "group/GroupEditDialog.h"
#include "group/GroupStatusListDialog.h"
#include "group/GroupWindow.h"
#include "group/MultiGroupWindow.h"
#include "multiuser/MultiUserWindow.h"
#include "multiuser/UserEditDialog.h"
#include "personal/ButtonCustomizeDialog.h"
#include "personal/MemoComposeDialog.h"
#include "personal/MessageBoardDialog.h"
#include "personal/PersonalWindow.h"
#include "personal/SettingsDialog.h"
#include "res/resource.h"
#include "shell/VersionPanel.h"
#include "tests/support/Desk.h"
#include "ui/Controls.h"

namespace quorvel::test {
namespace {

struct Control {
  int id = 0;
  std::string cls;  // "Button", "Edit", "Static", "ListBox", ... or the name
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = 0, exStyle = 0;
};

struct Template {
  DWORD style = 0;
  int cx = 0, cy = 0;
  std::string caption, font;
  int pointSize = 0;
  std::vector<Control> controls;
};

// Walks a DLGTEMPLATEEX; every read is checked against the resource's size.
class Reader {
 public:
  Reader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  WORD Word() { return Take<WORD>(); }
  DWORD Dword() { return Take<DWORD>(); }
  short Short() { return static_cast<short>(Take<WORD>()); }
  void Skip(std::size_t n) {
    if (pos_ + n > size_) ok_ = false;
    pos_ += n;
  }
  void AlignDword() { pos_ = (pos_ + 3) & ~std::size_t{3}; }
  std::wstring WideString() {
    std::wstring s;
    for (WORD c = Word(); ok_ && c != 0; c = Word()) s.push_back(static_cast<wchar_t>(c));
    return s;
  }
  // A name or an ordinal (0xFFFF and a word); an empty field is 0.
  std::wstring NameOrOrdinal(int* ordinal) {
    *ordinal = -1;
    const WORD first = PeekWord();
    if (first == 0xFFFF) {
      Word();
      *ordinal = Word();
      return std::wstring();
    }
    return WideString();
  }

 private:
  template <typename T>
  T Take() {
    T v{};
    if (pos_ + sizeof(T) > size_) {
      ok_ = false;
      return v;
    }
    std::memcpy(&v, data_ + pos_, sizeof(T));
    pos_ += sizeof(T);
    return v;
  }
  WORD PeekWord() {
    WORD v = 0;
    if (pos_ + 2 <= size_) std::memcpy(&v, data_ + pos_, 2);
    return v;
  }
  const BYTE* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

std::string ToCp932(const std::wstring& w) {
  if (w.empty()) return std::string();
  const int n = WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::string ClassName(int ordinal, const std::wstring& name) {
  switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: break;
  }
  std::string s = ToCp932(name);
  // Names compare without regard to case, as the system does.
  for (const char* known : {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"})
    if (lstrcmpiA(s.c_str(), known) == 0) return known;
  return s;
}

bool LoadTemplate(int id, Template* out) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_DIALOG));
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(nullptr, found);
  const auto* data = static_cast<const BYTE*>(LockResource(loaded));
  Reader r(data, SizeofResource(nullptr, found));
  if (r.Word() != 1 || r.Word() != 0xFFFF) return false;  // DLGTEMPLATEEX only
  r.Dword();                                               // help id
  r.Dword();                                               // extended style
  out->style = r.Dword();
  const WORD count = r.Word();
  r.Short();
  r.Short();
  out->cx = r.Short();
  out->cy = r.Short();
  int ordinal = 0;
  r.NameOrOrdinal(&ordinal);  // menu
  r.NameOrOrdinal(&ordinal);  // class
  out->caption = ToCp932(r.WideString());
  if (out->style & (DS_SETFONT | DS_SHELLFONT)) {
    out->pointSize = r.Word();
    r.Word();  // weight
    r.Skip(2);  // italic, character set
    out->font = ToCp932(r.WideString());
  }
  for (WORD i = 0; i < count && r.ok(); ++i) {
    r.AlignDword();
    Control c;
    r.Dword();  // help id
    c.exStyle = r.Dword();
    c.style = r.Dword();
    c.x = r.Short();
    c.y = r.Short();
    c.cx = r.Short();
    c.cy = r.Short();
    c.id = static_cast<int>(static_cast<int32_t>(r.Dword()));
    std::wstring name = r.NameOrOrdinal(&ordinal);
    c.cls = ClassName(ordinal, name);
    int textOrdinal = 0;
    c.text = ToCp932(r.NameOrOrdinal(&textOrdinal));
    r.Skip(r.Word());  // creation data
    out->controls.push_back(c);
  }
  return r.ok() && out->controls.size() == count;
}

const Control* Find(const Template& t, int id) {
  for (const Control& c : t.controls)
    if (c.id == id) return &c;
  return nullptr;
}

const Control* FindText(const Template& t, const std::string& text) {
  for (const Control& c : t.controls)
    if (c.text == text) return &c;
  return nullptr;
}

// Every window of the program, made on a test desk.
struct WindowMaker {
  int templateId;
  std::function<std::unique_ptr<Dialog>(Desk&)> make;
};

std::vector<WindowMaker> AllWindows() {
  const MemberAddress member{"Taro", "A01", "g", "\\\\sv\\board"};
  return {
      {IDD_VERSION, [](Desk& d) { return std::make_unique<VersionPanel>(d.services); }},
      {IDD_MULTIGROUP, [](Desk& d) { return std::make_unique<MultiGroupWindow>(d.services); }},
      {IDD_GROUP_EDIT, [](Desk& d) { return std::make_unique<GroupEditDialog>(d.services); }},
      {IDD_PERSONAL, [](Desk& d) { return std::make_unique<PersonalWindow>(d.services); }},
      {IDD_MEMO_COMPOSE,
       [member](Desk& d) { return std::make_unique<MemoComposeDialog>(d.services, member); }},
      {IDD_MESSAGE_BOARD,
       [member](Desk& d) { return std::make_unique<MessageBoardDialog>(d.services, member); }},
      {IDD_SETTINGS,
       [member](Desk& d) { return std::make_unique<SettingsDialog>(d.services, member); }},
      {IDD_BUTTON_CUSTOMIZE,
       [](Desk& d) { return std::make_unique<ButtonCustomizeDialog>(d.services); }},
      {IDD_GROUP_STATUS_LIST,
       [](Desk& d) { return std::make_unique<GroupStatusListDialog>(d.services, "s", "g"); }},
      {IDD_EDITION_SELECT,
       [](Desk& d) { return std::make_unique<EditionSelectDialog>(d.services, d.windows); }},
      {IDD_ABOUT, [](Desk& d) { return std::make_unique<AboutDialog>(d.services); }},
      {IDD_GROUP, [](Desk& d) { return std::make_unique<GroupWindow>(d.services); }},
      {IDD_MULTIUSER, [](Desk& d) { return std::make_unique<MultiUserWindow>(d.services); }},
      {IDD_USER_EDIT,
       [](Desk& d) { return std::make_unique<UserEditDialog>(d.services, UserList()); }},
  };
}

std::set<int> TemplateIds(const Template& t) {
  std::set<int> ids;
  for (const Control& c : t.controls)
    if (c.id != -1 && c.id != 0xFFFF) ids.insert(c.id);  // unnamed statics
  return ids;
}

TEST(DialogTemplates, NoRepeatedIdsInAnyTemplate) {
  for (const WindowMaker& w : AllWindows()) {
    SCOPED_TRACE(w.templateId);
    Template t;
    ASSERT_TRUE(LoadTemplate(w.templateId, &t));
    std::set<int> seen;
    for (const Control& c : t.controls) {
      if (c.id == -1 || c.id == 0xFFFF) continue;
      EXPECT_TRUE(seen.insert(c.id).second) << "repeated id " << c.id;
    }
  }
}

// Each window is opened on a recording view and every control of its
// template is pressed, chosen and double-clicked; every id the code then
// addresses, in the window or in a child it opened, must be in that
// template.
TEST(DialogTemplates, EveryIdTheCodeTouchesExists) {
  std::map<int, std::set<int>> touched;
  for (const WindowMaker& w : AllWindows()) {
    Desk desk;
    Template t;
    ASSERT_TRUE(LoadTemplate(w.templateId, &t));
    std::unique_ptr<Dialog> dialog = w.make(desk);
    FakeView view;
    dialog->Attach(&view);
    dialog->OnInit();
    for (int id : TemplateIds(t))
      for (int notification : {kNotifyClicked, kNotifySelChange, kNotifyDoubleClick})
        dialog->OnCommand(id, notification);
    dialog->OnPaint();
    dialog->OnDestroy();
    dialog->Attach(nullptr);
    touched[w.templateId].insert(view.touched.begin(), view.touched.end());
    for (const auto& [child, ids] : desk.runner.touched) touched[child].insert(ids.begin(), ids.end());
  }
  for (const auto& [templateId, ids] : touched) {
    SCOPED_TRACE(templateId);
    Template t;
    ASSERT_TRUE(LoadTemplate(templateId, &t));
    const std::set<int> present = TemplateIds(t);
    for (int id : ids) EXPECT_EQ(present.count(id), 1u) << "missing id " << id;
  }
}

struct Expected {
  int id;  // -1 for a static found by its text
  const char* cls;
  const char* text;
  int x, y, cx, cy;
  DWORD styleSet = 0;    // bits that must be set
  DWORD styleClear = 0;  // bits that must be clear
  DWORD exStyleSet = 0;
};

constexpr DWORD kList = LBS_NOTIFY | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_HSCROLL;
constexpr DWORD kNotSorted = LBS_SORT;

void CheckControls(const Template& t, const std::vector<Expected>& expected) {
  EXPECT_EQ(t.controls.size(), expected.size());
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.text);
    SCOPED_TRACE(e.id);
    const Control* c = e.id == -1 ? FindText(t, e.text) : Find(t, e.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->cls, e.cls);
    EXPECT_EQ(c->text, e.text);
    EXPECT_EQ(c->x, e.x);
    EXPECT_EQ(c->y, e.y);
    EXPECT_EQ(c->cx, e.cx);
    EXPECT_EQ(c->cy, e.cy);
    EXPECT_EQ(c->style & (e.styleSet | WS_CHILD), e.styleSet | WS_CHILD);
    EXPECT_EQ(c->style & e.styleClear, 0u);
    EXPECT_EQ(c->exStyle & e.exStyleSet, e.exStyleSet);
  }
}

void CheckFrame(const Template& t, int cx, int cy, const char* caption) {
  EXPECT_EQ(t.cx, cx);
  EXPECT_EQ(t.cy, cy);
  EXPECT_EQ(t.caption, caption);
  EXPECT_EQ(t.font, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");  // ＭＳ ゴシック
  EXPECT_EQ(t.pointSize, 9);
  EXPECT_TRUE(t.style & DS_MODALFRAME);
  EXPECT_TRUE(t.style & WS_POPUP);
  EXPECT_FALSE(t.style & WS_MINIMIZEBOX);
}

TEST(DialogTemplates, VersionPanel146) {
  Template t;
  ASSERT_TRUE(LoadTemplate(146, &t));
  CheckFrame(t, 187, 72, "");
  EXPECT_EQ(t.style & WS_CAPTION, 0u);
  CheckControls(t, {
      {-1, "Static", "Quorvel", 7, 7, 28, 8, WS_VISIBLE},
      {1086, "Edit", "", 35, 7, 83, 12, ES_READONLY | WS_VISIBLE, WS_BORDER},
      {-1, "Static", "バージョン β05", 121, 7, 61, 8, WS_VISIBLE},
      {1, "Button", "OK", 60, 51, 50, 14, BS_DEFPUSHBUTTON | WS_VISIBLE},
      {2, "Button", "ｷｬﾝｾﾙ", 130, 51, 50, 14, 0, WS_VISIBLE},
  });
}

TEST(DialogTemplates, MultiGroupWindow139) {
  Template t;
  ASSERT_TRUE(LoadTemplate(139, &t));
  CheckFrame(t, 382, 249, "Quorvel \x83\x7d\x83\x8b\x83\x60\x83\x4f\x83\x8b\x81\x5b\x83\x76");
  EXPECT_EQ(t.caption, "Quorvel マルチグループ");
  EXPECT_EQ(t.style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(t.style & WS_SYSMENU);
  CheckControls(t, {
      {1001, "ListBox", "", 7, 22, 131, 203, kList | WS_VISIBLE, kNotSorted},
      {1013, "Button", "グループ管理", 7, 228, 130, 14, WS_VISIBLE},
      {1000, "ListBox", "", 142, 22, 233, 188, kList | WS_VISIBLE, kNotSorted},
      {1007, "Button", "最新情報に更新", 142, 211, 117, 14, BS_DEFPUSHBUTTON | WS_VISIBLE},
      {3, "Button", "伝言メモ", 266, 211, 109, 14, WS_VISIBLE, BS_DEFPUSHBUTTON},
      {1075, "Button", "代理入力", 143, 228, 116, 14, WS_VISIBLE, BS_DEFPUSHBUTTON},
      {2, "Button", "アイコン化", 266, 228, 47, 14, WS_VISIBLE, BS_DEFPUSHBUTTON},
      {1080, "Button", "閉じる", 321, 228, 54, 14, WS_VISIBLE, BS_DEFPUSHBUTTON},
      {1, "Button", "OK", 355, 7, 19, 14, WS_DISABLED, WS_VISIBLE | BS_DEFPUSHBUTTON},
      {1039, "Edit", "", 162, 7, 100, 14, ES_READONLY | WS_VISIBLE},
      {-1, "Static", "グループ選択", 38, 10, 51, 8, WS_VISIBLE},
      {-1, "Static", "の状況一覧", 266, 9, 46, 8, WS_VISIBLE},
  });
}

TEST(DialogTemplates, GroupEditDialog140) {
  Template t;
  ASSERT_TRUE(LoadTemplate(140, &t));
  CheckFrame(t, 293, 189, "Quorvel グループ編集");
  EXPECT_TRUE(t.style & WS_SYSMENU);
  CheckControls(t, {
      {1078, "ListBox", "", 7, 7, 280, 108, kList | WS_VISIBLE, kNotSorted, WS_EX_ACCEPTFILES},
      {1004, "Edit", "", 47, 118, 237, 12, ES_AUTOHSCROLL | WS_VISIBLE},
      {1005, "Edit", "", 47, 134, 100, 12, WS_VISIBLE},
      {1079, "Button", "リストに追加", 153, 133, 58, 14, WS_VISIBLE},
      {1081, "Button", "グループ修正", 220, 133, 58, 14, WS_DISABLED | WS_VISIBLE},
      {1080, "Button", "グループ削除", 153, 150, 58, 14, WS_DISABLED | WS_VISIBLE},
      {1, "Button", "OK", 47, 166, 57, 14, BS_DEFPUSHBUTTON | WS_VISIBLE},
      {2, "Button", "ｷｬﾝｾﾙ", 153, 166, 57, 14, WS_VISIBLE, BS_DEFPUSHBUTTON},
      {-1, "Static", "サーバ名", 10, 120, 33, 8, WS_VISIBLE},
      {-1, "Static", "グループ", 10, 136, 33, 8, WS_VISIBLE},
  });
}

// An icon resource's images: size in pixels to the id of its image.
std::map<int, int> IconImages(int iconId) {
  std::map<int, int> images;
  HRSRC found =
      FindResourceA(nullptr, MAKEINTRESOURCEA(iconId), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
  if (found == nullptr) return images;
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
  Reader r(data, SizeofResource(nullptr, found));
  r.Skip(4);  // reserved, type
  const WORD count = r.Word();
  for (WORD i = 0; i < count && r.ok(); ++i) {
    const int width = r.Word() & 0xFF;  // width, then height; 256 is written as 0
    r.Skip(10);                         // colours, reserved, planes, bits, bytes
    const WORD imageId = r.Word();
    if (r.ok()) images[width == 0 ? 256 : width] = imageId;
  }
  return images;
}

std::string IconImageBytes(int imageId) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(imageId), reinterpret_cast<LPCSTR>(RT_ICON));
  if (found == nullptr) return std::string();
  return std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                     SizeofResource(nullptr, found));
}

TEST(DialogTemplates, IconsAndStringsExist) {
  for (int icon : {1, 128, 129, 130, 131, 132, 143, 144, 145, 147, 148, 149}) {
    SCOPED_TRACE(icon);
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon)), nullptr);
    const std::map<int, int> images = IconImages(icon);
    std::vector<int> sizes;
    for (const auto& entry : images) sizes.push_back(entry.first);
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
    // Every size is drawn for itself, not a shrunk or stretched other one,
    // and each image decodes (the 256-pixel one is a PNG).
    for (const auto& [size, imageId] : images) {
      SCOPED_TRACE(size);
      std::string bytes = IconImageBytes(imageId);
      HICON image = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&bytes[0]),
                                             static_cast<DWORD>(bytes.size()), TRUE, 0x00030000,
                                             size, size, 0);
      ASSERT_NE(image, nullptr);
      ICONINFO info = {};
      ASSERT_TRUE(GetIconInfo(image, &info));
      BITMAP bm = {};
      GetObjectA(info.hbmColor, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, size);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(image);
    }
  }
  char text[64] = {};
  ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 101, text, sizeof text), 0);
  EXPECT_STREQ(text, "\x83\x6f\x81\x5b\x83\x57\x83\x87\x83\x93\x8f\xee\x95\xf1");  // バージョン情報
}

BOOL CALLBACK CollectIconId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
  // A named icon counts as 0: names come before every number.
  reinterpret_cast<std::vector<ULONG_PTR>*>(ids)->push_back(
      IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0);
  return TRUE;
}

TEST(DialogTemplates, TheFirstIconIsTheBoardsForExplorerAndTheTaskbar) {
  std::vector<ULONG_PTR> ids;
  EnumResourceNamesA(nullptr, reinterpret_cast<LPCSTR>(RT_GROUP_ICON), CollectIconId,
                     reinterpret_cast<LONG_PTR>(&ids));
  ASSERT_FALSE(ids.empty());
  EXPECT_EQ(*std::min_element(ids.begin(), ids.end()), 1u);
  const std::map<int, int> program = IconImages(1);
  const std::map<int, int> board = IconImages(144);
  ASSERT_EQ(program.size(), board.size());
  for (const auto& [size, imageId] : program) {
    SCOPED_TRACE(size);
    ASSERT_EQ(board.count(size), 1u);
    EXPECT_EQ(IconImageBytes(imageId), IconImageBytes(board.at(size)));
  }
}

}  // namespace
}  // namespace quorvel::test
