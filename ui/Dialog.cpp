#include "ui/Dialog.h"

#include "ui/Controls.h"

namespace quorvel {

std::string LimitMessage(int limit) {
  return std::to_string(limit) + " 文字以内で入力してください。";
}

bool Dialog::OnInit() {
  for (const Binding& b : bindings_)
    if (b.limit >= 0) View().SetLimit(b.controlId, b.limit);
  ShowValues();
  return true;
}

void Dialog::OnCommand(int id, int /*notification*/) {
  if (id == kIdOk) {
    OnOK();
  } else if (id == kIdCancel) {
    OnCancel();
  }
}

bool Dialog::OnOK() {
  if (!TakeValues()) return false;
  View().End(kIdOk);
  return true;
}

void Dialog::OnCancel() { View().End(kIdCancel); }

void Dialog::Exchange(int controlId, std::string& value, int limit) {
  bindings_.push_back({controlId, &value, limit});
}

void Dialog::Display(int controlId, std::string& value) {
  bindings_.push_back({controlId, &value, kShownOnly});
}

bool Dialog::TakeValues() {
  for (const Binding& b : bindings_) {
    if (b.limit == kShownOnly) continue;
    std::string text = View().GetText(b.controlId);
    if (text.size() > static_cast<std::size_t>(b.limit)) {
      prompt_.Alert(LimitMessage(b.limit));
      View().Focus(b.controlId);
      return false;
    }
    *b.value = std::move(text);
  }
  return true;
}

void Dialog::ShowValues() {
  for (const Binding& b : bindings_) View().SetText(b.controlId, *b.value);
}

}  // namespace quorvel
