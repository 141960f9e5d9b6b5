#pragma once
// How many bytes each typed field takes, for every box, drop and command
// line that takes one. The desk's own code and server name are kept
// shorter than what the user and group editors take.
namespace quorvel {

constexpr int kNameLimit = 16;
constexpr int kOwnCodeLimit = 16;    // the desk's own, in the settings dialog
constexpr int kCodeLimit = 24;       // a user of the multi-user desk
constexpr int kGroupLimit = 24;
constexpr int kOwnServerLimit = 64;  // the desk's own, in the settings dialog
constexpr int kServerLimit = 128;    // the group and user editors
constexpr int kRemarkLimit = 32;
constexpr int kLabelLimit = 12;      // a status button's label
constexpr int kMemoLimit = 128;      // a memo as typed

// Labels taken from a dropped profile file come as at most capacity - 1
// bytes: the settings dialog takes more of them than the button editor.
constexpr int kSettingsDroppedLabelCapacity = 30;
constexpr int kCustomizeDroppedLabelCapacity = 20;

}  // namespace quorvel
