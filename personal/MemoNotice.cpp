#include "personal/MemoNotice.h"

#include "store/MemoCount.h"
#include "store/StatusRecord.h"

namespace quorvel {

const char kMemoBalloonTitle[] = "伝言が届きました";

namespace {
const char kCheckMemos[] = "伝言を確認";
constexpr int kMostCounted = 99;
}  // namespace

std::string MemoButtonCaption(int waiting) {
  if (waiting <= 0) return kCheckMemos;
  const std::string n = waiting > kMostCounted ? "99+" : std::to_string(waiting);
  return std::string(kCheckMemos) + " (" + n + ")";
}

std::string MemoBalloonText(int waiting) {
  return "伝言が " + std::to_string(waiting) + " 件あります";
}

MemoCue CueForCount(int before, int now, bool inTray, bool active) {
  if (now <= before) return MemoCue::None;
  if (inTray) return MemoCue::Balloon;
  return active ? MemoCue::None : MemoCue::Flash;
}

int WaitingMemos(Platform& platform, const MemberAddress& member, bool& held) {
  held = false;
  if (!HasPlace(member)) return 0;
  std::string bytes;
  switch (ReadMemoBytes(platform, RecordFor(member), false, bytes)) {
    case MemoFileRead::Read:
      return CountMemoLines(bytes);
    case MemoFileRead::Held:
      held = true;
      return 0;
    case MemoFileRead::Missing:
    case MemoFileRead::Failed:
      break;
  }
  return 0;
}

}  // namespace quorvel
