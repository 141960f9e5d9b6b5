#include "group/MemberPane.h"

namespace quorvel {

MemberPane::MemberPane(Services& services, const MemberViewStyle& style)
    : services_(services), style_(style) {}

void MemberPane::Refresh(DialogView& view, const std::string& serverName,
                         const std::string& group) {
  serverName_ = serverName;
  group_ = group;
  RefreshMembers(services_.platform, view, kMemberListId, members_, serverName_, group_, style_);
}

void MemberPane::RefreshQuietly(DialogView& view) {
  MemberAddress selected;
  const bool hadSelection = Selected(view, selected);
  SilentPrompt silent;
  Platform quiet{services_.platform.files, services_.platform.clock, silent};
  RefreshMembers(quiet, view, kMemberListId, members_, serverName_, group_, style_);
  if (!hadSelection) return;
  for (int i = 0; i < members_.memberCount; ++i) {
    if (members_.members[static_cast<std::size_t>(i)].code == selected.code) {
      view.ListSelect(kMemberListId, i);
      return;
    }
  }
}

bool MemberPane::Selected(DialogView& view, MemberAddress& out) const {
  const int line = view.ListSelection(kMemberListId);
  if (line < 0 || line >= members_.memberCount ||
      line >= static_cast<int>(members_.members.size()))
    return false;
  const StatusRecord& member = members_.members[static_cast<std::size_t>(line)];
  out = {member.name, member.code, group_, serverName_};
  return true;
}

void MemberPane::ComposeMemo(DialogView& view) {
  MemberAddress member;
  if (Selected(view, member)) services_.opener.ComposeMemo(member);
}

bool MemberPane::ProxyInput(DialogView& view) {
  PersonalWindowRequest request;
  if (!Selected(view, request.member)) return false;
  request.proxyInput = true;
  services_.opener.RunPersonalWindow(request);
  return true;
}

}  // namespace quorvel
