#include "personal/MemoComposeDialog.h"

#include "shell/FieldLimits.h"
#include "store/MemoFile.h"
#include "ui/Controls.h"

namespace quorvel {

MemoComposeDialog::MemoComposeDialog(Services& services, const MemberAddress& addressee)
    : Dialog(kTemplateId, services.platform.prompt), services_(services), addressee_(addressee) {
  // The addressee's boxes are read-only and not limited: a 24-byte code from
  // the user list must not keep the typed memo from being taken.
  Display(IDC_MEMO_CODE, addressee_.code);
  Display(IDC_MEMO_GROUP, addressee_.group);
  Display(IDC_MEMO_NAME, addressee_.name);
  Exchange(IDC_MEMO_TEXT, memo_, kMemoLimit);
}

bool MemoComposeDialog::OnOK() {
  const StatusRecord record = RecordFor(addressee_);
  if (!TakeValues()) return false;
  SendMemo(services_.platform, record, memo_);
  View().End(kIdOk);
  return true;
}

}  // namespace quorvel
