#pragma once
// Writes one memo to one member: the addressee's boxes are read-only, the
// memo box takes what the sender types.
#include <string>

#include "res/resource.h"
#include "shell/MemberAddress.h"
#include "shell/Services.h"
#include "ui/Dialog.h"

namespace quorvel {

class MemoComposeDialog : public Dialog {
 public:
  static constexpr int kTemplateId = IDD_MEMO_COMPOSE;

  MemoComposeDialog(Services& services, const MemberAddress& addressee);

  // "伝言する" (and Enter): sends the memo as typed, even an empty one, and
  // closes whatever the store answered; a failure has been reported there.
  bool OnOK() override;

  const MemberAddress& Addressee() const { return addressee_; }

 private:
  Services& services_;
  MemberAddress addressee_;
  std::string memo_;
};

}  // namespace quorvel
