#include "store/GroupMembership.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "store/ConcurrentReads.h"
#include "store/DeviceName.h"
#include "store/IdentityCheck.h"
#include "store/StatusFile.h"
#include "store/TextCodec.h"

namespace quorvel {

namespace {

const char kNoServer[] = "サーバ名が設定されていません";
const char kNoGroupName[] = "グループ名が設定されていません";
const char kCreatedHead[] = "新規グループ\"";
const char kCreatedTail[] = "\"を作成しました";
const char kCannotCreate[] = "新規グループが作成できません";
const char kTooManyMembers[] = "グループのメンバー数が上限を越えています";
const char kAskDeleteMemos[] = "伝言が残っています。削除してよいですか？";
const char kCannotDeleteMemos[] = "伝言ファイルが削除できません";
const char kCannotDeleteStatus[] = "状況ファイルが削除できません";
const char kNoGroupFolder[] = "グループフォルダが見つかりません";

const char kStatusExtension[] = ".sta";
constexpr std::size_t kExtensionLength = 4;

// Plain byte order, every byte taken as unsigned: "A10" before "A9".
bool CodeBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
      });
}

}  // namespace

GroupCreation CreateGroupFolder(Platform& platform, const std::string& serverName,
                                const std::string& group) {
  if (serverName.empty()) {
    platform.prompt.Alert(kNoServer);
    return GroupCreation::Refused;
  }
  if (group.empty()) {
    platform.prompt.Alert(kNoGroupName);
    return GroupCreation::Refused;
  }
  if (IsDeviceGroup(group) || !platform.files.CreateFolder(GroupFolderPath(serverName, group))) {
    platform.prompt.Alert(kCannotCreate);
    return GroupCreation::NotCreated;
  }
  platform.prompt.Alert(kCreatedHead + group + kCreatedTail);
  return GroupCreation::Created;
}

namespace {

std::string MemberPattern(const std::string& serverName, const std::string& group) {
  return GroupFolderPath(serverName, group) + "\\*" + kStatusExtension;
}

struct Listing {
  bool searched = false;  // the group folder could be searched
  // How long the search took to answer, which tells how far away the
  // share is.
  std::chrono::steady_clock::duration searchTime{};
};

Listing ListMembers(Platform& platform, MemberList& list) {
  Listing listing;
  if (list.members.size() < static_cast<std::size_t>(kMaxMembers)) list.members.resize(kMaxMembers);
  list.memberCount = 0;
  // A device is no folder: it lists nobody, like a missing one.
  if (!IsDeviceGroup(list.group)) {
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::unique_ptr<FileSearch> search =
        platform.files.Find(MemberPattern(list.serverName, list.group));
    listing.searchTime = std::chrono::steady_clock::now() - start;
    FoundFile found;
    while (search->Next(found)) {
      // A folder is no member, whatever its name.
      if (found.isFolder || found.name.size() < kExtensionLength) continue;
      // "AUX.sta" (or "=41UX.sta") would name a device once the code is
      // encoded again: such a member could only hang the reads.
      const std::string code = Decode(found.name.substr(0, found.name.size() - kExtensionLength));
      if (IsDeviceName(Encode(code))) continue;
      StatusRecord& member = list.members[static_cast<std::size_t>(list.memberCount)];
      member.serverName = list.serverName;
      member.group = list.group;
      member.code = code;
      if (++list.memberCount >= kMaxMembers) {
        platform.prompt.Alert(kTooManyMembers);
        break;
      }
    }
    listing.searched = search->FolderSearched();
  }
  // Only the codes move; the records keep whatever else they held.
  std::vector<std::string> codes;
  for (int i = 0; i < list.memberCount; ++i) codes.push_back(list.members[i].code);
  std::sort(codes.begin(), codes.end(), CodeBefore);
  for (int i = 0; i < list.memberCount; ++i) list.members[i].code = codes[i];
  return listing;
}

}  // namespace

bool LoadMembers(Platform& platform, MemberList& list) { return LoadMembers(platform, list, {}); }

bool LoadMembers(Platform& platform, MemberList& list, const ReadPace& pace) {
  const Listing listing = ListMembers(platform, list);
  ReadEach(platform, list.memberCount, pace, listing.searchTime, [&list](Platform& p, int i) {
    StatusRecord& member = list.members[static_cast<std::size_t>(i)];
    // A record reused from the last load must not show that load's member
    // when this one's file is empty or unreadable.
    member.name.clear();
    member.status.clear();
    member.stamp.clear();
    ReadStatus(p, member);  // an unreadable member stays listed, empty
  });
  return listing.searched;
}

bool CheckGroupFolder(Platform& platform, const std::string& serverName, const std::string& group) {
  // The very search a listing makes, so that a path too long for it counts.
  const bool searched =
      !IsDeviceGroup(group) && platform.files.Find(MemberPattern(serverName, group))->FolderSearched();
  if (!searched) platform.prompt.Alert(kNoGroupFolder);
  return searched;
}

bool RemoveMember(Platform& platform, const StatusRecord& record, bool ask) {
  if (!HasIdentity(platform, record)) return false;
  if (IsDeviceMember(record)) {
    platform.prompt.Alert(kCannotDeleteStatus);
    return true;
  }
  const std::string memoPath = MemoFilePath(record);
  bool holdsMemos = false;
  {
    std::unique_ptr<FileSearch> search = platform.files.Find(memoPath);
    FoundFile found;
    // An empty memo file (or a lone line feed) holds nothing worth asking about.
    holdsMemos = search->Next(found) && !found.isFolder && found.size > 1;
  }
  if (holdsMemos && (!ask || platform.prompt.AskYesNo(kAskDeleteMemos))) {
    if (!platform.files.Delete(memoPath)) platform.prompt.Alert(kCannotDeleteMemos);
  }
  if (!platform.files.Delete(StatusFilePath(record))) platform.prompt.Alert(kCannotDeleteStatus);
  return true;
}

}  // namespace quorvel
