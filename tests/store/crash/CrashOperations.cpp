#include "tests/store/crash/CrashOperations.h"

#include "shell/IdentityChange.h"
#include "store/GroupListFile.h"
#include "store/MemoFile.h"
#include "store/StatusFile.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TempDir.h"

namespace quorvel::test {

namespace {

const char kOldStatus[] = "Old a Out=20until=20five=20today 1999010100000000\n";
const char kOldMemos[] = "first\nsecond=20memo\nthird\nfour\nlast=20one\n";
const char kOldGroups[] = "=5C=5Csv old\n=5C=5Csv other\n";
const char kNewGroups[] = "=5C=5Csv g1\n=5C=5Csv g2\n=5C=5Csv2 g3\n";

StatusRecord Member(const std::string& share) {
  StatusRecord r;
  r.serverName = share;
  r.group = "g";
  r.code = "a";
  return r;
}

std::string StatusPath(const std::string& share) { return StatusFilePath(Member(share)); }
std::string MemoPath(const std::string& share) { return MemoFilePath(Member(share)); }
std::string GroupListPath(const std::string& share) { return share + "\\QVL.gl"; }

// The member "a" of "g", moved by a change of identity to "b" of "h".
StatusRecord Moved(const std::string& share) {
  StatusRecord r = Member(share);
  r.group = "h";
  r.code = "b";
  return r;
}
const char kMovedStatus[] = "Old b Out=20until=20five=20today 1999010100000000\n";

// The delete row takes the second memo out of kOldMemos.
const char kDeletedMemos[] = "first\nthird\nfour\nlast=20one\n";

// Counts the memo lines of the file after the delete row against the four
// memos that must stay; the deleted memo itself is no damage.
MemoDamage DamageOfDelete(const std::string& bytes) {
  const std::vector<std::string> kept = {"first", "third", "four", "last=20one"};
  std::vector<int> seen(kept.size());
  MemoDamage damage;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) lf = bytes.size();  // an unended piece is no memo either
    const std::string line = bytes.substr(start, lf - start);
    start = lf + 1;
    if (line.empty() || line == "second=20memo") continue;
    bool known = false;
    for (std::size_t i = 0; i < kept.size(); ++i)
      if (line == kept[i]) {
        ++seen[i];
        known = true;
      }
    if (!known) ++damage.fragments;
  }
  for (int n : seen) {
    if (n == 0) ++damage.lost;
    if (n > 1) damage.doubled += n - 1;
  }
  return damage;
}

std::string NewStatusLine() { return "New a In " + FormatStamp(CrashClockTime()) + "\n"; }

void MakeGroup(const std::string& share) { MakeFolder(GroupFolderPath(share, "g")); }

// A rewrite in place may leave the old file's tail behind the new bytes.
bool NewWithOldTail(const std::string& bytes, const std::string& fresh, const std::string& old) {
  return bytes.size() == old.size() && old.size() > fresh.size() &&
         bytes == fresh + old.substr(fresh.size());
}

std::string Found(const std::string& what, const std::string& path) {
  if (!PathExists(path)) return what + ": no file";
  return what + ": \"" + ReadFileBytes(path) + "\"";
}

std::string CheckStatus(const std::string& path, const std::string* old, int endedAfter) {
  const std::string line = NewStatusLine();
  const bool exists = PathExists(path);
  const std::string bytes = ReadFileBytes(path);
  if (endedAfter == 0) return exists && bytes == line ? "" : Found("finished", path);
  if (exists && bytes == line) return "";
  if (old == nullptr) {
    // A new member's file exists, empty, from the open that makes it to its
    // first line: that moment is the one a crash can still catch.
    return !exists || bytes.empty() ? "" : Found("first line", path);
  }
  if (exists && (bytes == *old || NewWithOldTail(bytes, line, *old))) return "";
  return Found("status", path);
}

const std::vector<CrashOperation> kOperations = {
    {"WriteStatus",
     [](const std::string& share) {
       MakeGroup(share);
       WriteFileBytes(StatusPath(share), kOldStatus);
     },
     [](Platform& platform, const std::string& share) {
       StatusRecord r = Member(share);
       r.name = "New";
       r.status = "In";
       return WriteStatus(platform, r, true);
     },
     [](const std::string& share, int endedAfter) {
       const std::string old = kOldStatus;
       return CheckStatus(StatusPath(share), &old, endedAfter);
     }},
    {"WriteStatusFirst", MakeGroup,
     [](Platform& platform, const std::string& share) {
       StatusRecord r = Member(share);
       r.name = "New";
       r.status = "In";
       return WriteStatus(platform, r, true);
     },
     [](const std::string& share, int endedAfter) {
       return CheckStatus(StatusPath(share), nullptr, endedAfter);
     }},
    {"SendMemo",
     [](const std::string& share) {
       MakeGroup(share);
       WriteFileBytes(StatusPath(share), kOldStatus);
       WriteFileBytes(MemoPath(share), kOldMemos);
     },
     [](Platform& platform, const std::string& share) {
       return SendMemo(platform, Member(share), "sixth memo");
     },
     [](const std::string& share, int endedAfter) -> std::string {
       const std::string sent = std::string(kOldMemos) + "sixth=20memo\n";
       const std::string bytes = ReadFileBytes(MemoPath(share));
       if (bytes == sent || (endedAfter != 0 && bytes == kOldMemos)) return "";
       return Found("memos", MemoPath(share));
     }},
    {"DeleteMemo",
     [](const std::string& share) {
       MakeGroup(share);
       WriteFileBytes(MemoPath(share), kOldMemos);
     },
     [](Platform& platform, const std::string& share) {
       return DeleteMemo(platform, Member(share), 1, "second memo");
     },
     [](const std::string& share, int endedAfter) -> std::string {
       const std::string bytes = ReadFileBytes(MemoPath(share));
       if (bytes == kDeletedMemos) return "";
       if (endedAfter == 0) return Found("finished", MemoPath(share));
       // Before the memo went, the file is untouched; after, every other
       // memo is there once and whole, among empty lines at worst.
       if (bytes == kOldMemos) return "";
       const MemoDamage damage = DamageOfDelete(bytes);
       if (damage.fragments == 0 && damage.lost == 0 && damage.doubled == 0) return "";
       return std::to_string(damage.fragments) + " fragments, " + std::to_string(damage.lost) +
              " lost, " + std::to_string(damage.doubled) + " doubled: " + Found("memos", MemoPath(share));
     }},
    {"WriteMemos",
     [](const std::string& share) {
       MakeGroup(share);
       WriteFileBytes(MemoPath(share), kOldMemos);
     },
     [](Platform& platform, const std::string& share) {
       StatusRecord r = Member(share);
       r.memoCount = 2;
       r.memoLines[0] = "kept memo";
       r.memoLines[1] = "another";
       return WriteMemos(platform, r);
     },
     [](const std::string& share, int endedAfter) -> std::string {
       const std::string fresh = "kept=20memo\nanother\n";
       const std::string bytes = ReadFileBytes(MemoPath(share));
       if (bytes == fresh) return "";
       if (endedAfter != 0 && (bytes == kOldMemos || NewWithOldTail(bytes, fresh, kOldMemos)))
         return "";
       return Found("memos", MemoPath(share));
     }},
    {"MoveMember",
     [](const std::string& share) {
       MakeGroup(share);
       MakeFolder(GroupFolderPath(share, "h"));
       WriteFileBytes(StatusPath(share), kOldStatus);
       WriteFileBytes(MemoPath(share), kOldMemos);
     },
     [](Platform& platform, const std::string& share) {
       MemoryProfile profile;
       const Identity before{"Old", "a", "g", share}, after{"Old", "b", "h", share};
       return ChangeIdentity(platform, profile, before, after) == IdentityChangeResult::Moved;
     },
     [](const std::string& share, int endedAfter) -> std::string {
       const std::string oldStatus = StatusPath(share), newStatus = StatusFilePath(Moved(share));
       const std::string oldMemos = MemoPath(share), newMemos = MemoFilePath(Moved(share));
       const bool oldWhole = ReadFileBytes(oldStatus) == kOldStatus;
       const bool newWhole = ReadFileBytes(newStatus) == kMovedStatus;
       if (endedAfter == 0) {
         if (newWhole && ReadFileBytes(newMemos) == kOldMemos && !PathExists(oldStatus) &&
             !PathExists(oldMemos))
           return "";
         return Found("finished", newStatus) + "; " + Found("memos", newMemos);
       }
       // At every moment one of the two lists the member whole (the new one
       // may exist, empty, while it is made), and one holds every memo.
       if (!oldWhole && !newWhole) return Found("old", oldStatus) + "; " + Found("new", newStatus);
       if (PathExists(newStatus) && !newWhole && !ReadFileBytes(newStatus).empty())
         return Found("new status", newStatus);
       if (ReadFileBytes(oldMemos) != kOldMemos && ReadFileBytes(newMemos) != kOldMemos)
         return Found("old memos", oldMemos) + "; " + Found("new memos", newMemos);
       return "";
     }},
    {"WriteGroupList",
     [](const std::string& share) { WriteFileBytes(GroupListPath(share), kOldGroups); },
     [](Platform& platform, const std::string& share) {
       RegisteredGroups groups;
       groups.count = 3;
       groups.serverNames = {"\\\\sv", "\\\\sv", "\\\\sv2"};
       groups.groups = {"g1", "g2", "g3"};
       return WriteGroupList(platform, groups, GroupListPath(share));
     },
     [](const std::string& share, int endedAfter) -> std::string {
       const std::string bytes = ReadFileBytes(GroupListPath(share));
       if (endedAfter == 0 && PathExists(GroupListPath(share) + ".new"))
         return "finished: the new list is still beside the old one";
       if (bytes == kNewGroups || (endedAfter != 0 && bytes == kOldGroups)) return "";
       return Found("group list", GroupListPath(share));
     }},
};

}  // namespace

const std::vector<CrashOperation>& CrashOperations() { return kOperations; }

bool CountMemoDamage(const std::string& operation, const std::string& share, MemoDamage& damage) {
  if (operation != "DeleteMemo") return false;
  const MemoDamage found = DamageOfDelete(ReadFileBytes(MemoPath(share)));
  damage.fragments += found.fragments;
  damage.lost += found.lost;
  damage.doubled += found.doubled;
  return true;
}

const CrashOperation* FindCrashOperation(const std::string& name) {
  for (const CrashOperation& op : kOperations)
    if (name == op.name) return &op;
  return nullptr;
}

LocalTime CrashClockTime() { return {2024, 3, 1, 9, 5, 7}; }

}  // namespace quorvel::test
