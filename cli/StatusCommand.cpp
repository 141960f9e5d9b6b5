#include "cli/StatusCommand.h"

#include "shell/FieldLimits.h"
#include "shell/MemberLine.h"
#include "shell/ProfileRules.h"
#include "shell/StampText.h"
#include "shell/StatusPress.h"
#include "store/GroupMembership.h"
#include "store/IdentityCheck.h"
#include "store/MemoCount.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "ui/Dialog.h"

namespace quorvel {

const char kStatusUsage[] =
    "使い方: qvlstatus [--profile ファイル] [番号 [備考]]\n"
    "        qvlstatus [--profile ファイル] --list\n"
    "        qvlstatus [--profile ファイル] --memos\n"
    "  番号 [備考]  状況ボタン「番号」(1 から 21) の状況を備考とともに書き込みます\n"
    "  (引数なし)   自分の状況と最終更新を表示します\n"
    "  --list       自分のグループのメンバーを一覧表示します\n"
    "  --memos      自分あての伝言を 1 行ずつ表示します\n"
    "  --profile    設定ファイル (省略時は QVL.ini)\n";

namespace {

const char kNoServer[] = "サーバ名が設定されていません";
const char kNoGroup[] = "グループが設定されていません";
const char kNoStatus[] = "状況ファイルが読めません";
const char kNoMemos[] = "伝言ファイルが読めません";

// The number of a status button, 1 to 21; 0 for anything else. Digit by
// digit, so no text can overflow it.
int ButtonNumber(const std::string& s) {
  if (s.empty()) return 0;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
    if (n > kStatusButtonCount) return 0;
  }
  return n;
}

// A line feed or tab in a remark would break the one line of --list.
bool HasControlCharacter(const std::string& s) {
  for (char c : s) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return true;
  }
  return false;
}

int Show(Platform& platform, const Identity& own, TextOut& out, TextOut& err) {
  StatusRecord record = RecordFor(own);
  if (!HasIdentity(platform, record)) return kStatusRefused;
  if (!ReadStatus(platform, record)) {
    err.Write(std::string(kNoStatus) + '\n');
    return kStatusRefused;
  }
  out.Write(record.status + " (" + StampMonthDayHourMinute(record.stamp) + ")\n");
  return kStatusDone;
}

int Press(Platform& platform, Profile& profile, const Identity& own, const StatusArguments& a,
          TextOut& out) {
  // A script must not write a file beside the share for a half-set identity.
  if (!HasIdentity(platform, RecordFor(own))) return kStatusRefused;
  StatusRecord written;
  if (!WriteStatusPress(platform, profile, own, a.button, a.remark, written))
    return kStatusRefused;
  out.Write(written.status + " (" + StampHourMinute(written.stamp) + ")\n");
  return kStatusDone;
}

int List(Platform& platform, const Identity& own, TextOut& out, TextOut& err) {
  if (own.serverName.empty() || own.group.empty()) {
    err.Write(std::string(own.serverName.empty() ? kNoServer : kNoGroup) + '\n');
    return kStatusRefused;
  }
  if (!CheckGroupFolder(platform, own.serverName, own.group)) return kStatusRefused;
  MemberList members;
  members.serverName = own.serverName;
  members.group = own.group;
  LoadMembers(platform, members);
  for (int i = 0; i < members.memberCount; ++i)
    out.Write(MemberLine(members.members[static_cast<std::size_t>(i)], kGroupMemberView) + '\n');
  return kStatusDone;
}

// No memo file means no memo: nothing to print, and no failure.
int Memos(Platform& platform, const Identity& own, TextOut& out, TextOut& err) {
  const StatusRecord record = RecordFor(own);
  if (!HasIdentity(platform, record)) return kStatusRefused;
  std::string bytes;
  switch (ReadMemoBytes(platform, record, true, bytes)) {
    case MemoFileRead::Read:
      break;
    case MemoFileRead::Missing:
      return kStatusDone;
    case MemoFileRead::Held:
    case MemoFileRead::Failed:
      err.Write(std::string(kNoMemos) + '\n');
      return kStatusRefused;
  }
  for (const std::string& memo : ParseMemoContent(bytes).memos) out.Write(memo + '\n');
  return kStatusDone;
}

}  // namespace

StatusArguments ParseStatusArguments(const std::vector<std::string>& args) {
  StatusArguments a;
  std::vector<std::string> positional;
  bool list = false;
  bool memos = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h" || arg == "/?") {
      a.command = StatusArguments::Command::Help;
      return a;
    }
    if (arg == "--list") {
      list = true;
    } else if (arg == "--memos") {
      memos = true;
    } else if (arg == "--profile") {
      if (i + 1 >= args.size()) {
        a.error = kStatusUsage;
        return a;
      }
      a.profile = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      a.error = kStatusUsage;
      return a;
    } else {
      positional.push_back(arg);
    }
  }
  if (memos) {
    if (list || !positional.empty()) a.error = kStatusUsage;
    a.command = StatusArguments::Command::Memos;
    return a;
  }
  if (list) {
    if (!positional.empty()) a.error = kStatusUsage;
    a.command = StatusArguments::Command::List;
    return a;
  }
  if (positional.empty()) return a;  // show
  const int button = ButtonNumber(positional[0]);
  const std::string remark = positional.size() == 2 ? positional[1] : std::string();
  if (positional.size() > 2 || button == 0 || HasControlCharacter(remark)) {
    a.error = kStatusUsage;
    return a;
  }
  a.command = StatusArguments::Command::Press;
  a.button = button;
  a.remark = remark;
  if (a.remark.size() > static_cast<std::size_t>(kRemarkLimit)) a.error = LimitMessage(kRemarkLimit) + "\n";
  return a;
}

int RunStatusCommand(const StatusArguments& a, Platform& platform, Profile& profile,
                     TextOut& out, TextOut& err) {
  if (!a.error.empty()) {
    err.Write(a.error);
    return kStatusBadUsage;
  }
  const Identity own = ReadIdentity(profile);
  switch (a.command) {
    case StatusArguments::Command::Help:
      out.Write(kStatusUsage);
      return kStatusDone;
    case StatusArguments::Command::Show:
      return Show(platform, own, out, err);
    case StatusArguments::Command::Press:
      return Press(platform, profile, own, a, out);
    case StatusArguments::Command::List:
      return List(platform, own, out, err);
    case StatusArguments::Command::Memos:
      return Memos(platform, own, out, err);
  }
  return kStatusBadUsage;
}

}  // namespace quorvel
