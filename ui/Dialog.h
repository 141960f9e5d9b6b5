#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Prompt.h"
#include "ui/DialogView.h"

namespace quorvel {

// A change of the desk's session, as the host reports it.
enum class SessionChange { Lock, Unlock, Other };

// A modal dialog's behaviour. The host attaches a view for the life of the
// window and forwards its messages to the handlers below.
class Dialog {
 public:
  Dialog(int templateId, Prompt& prompt) : templateId_(templateId), prompt_(prompt) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int TemplateId() const { return templateId_; }
  void Attach(DialogView* view) { view_ = view; }
  bool Attached() const { return view_ != nullptr; }

  // Standard initialisation: control limits, then the values shown. Returns
  // true to let the system place the focus.
  virtual bool OnInit();
  // Default: OK runs OnOK, cancel runs OnCancel.
  virtual void OnCommand(int id, int notification);
  // Default: takes the values and ends with 1; a value over its limit keeps
  // the dialog open.
  virtual bool OnOK();
  virtual void OnCancel();  // default: ends with 2
  virtual void OnTimer(int /*id*/) {}
  virtual void OnPaint() {}
  // A system-menu command, without the low bits the system keeps for
  // itself. True when handled; otherwise the system's default processing
  // runs.
  virtual bool OnSystemCommand(int /*command*/) { return false; }
  virtual void OnDestroy() {}
  virtual void OnTrayMessage(int /*mouseMessage*/) {}
  virtual void OnActivationRequest() {}
  virtual void OnEndSession(bool /*ending*/) {}
  virtual void OnTaskbarCreated() {}
  // Off while a modal child runs, on again as it closes. The system's own
  // processing follows either way.
  virtual void OnEnabled(bool /*enabled*/) {}
  // Only while the view watches session changes.
  virtual void OnSessionChange(SessionChange /*change*/) {}
  // Only while the view watches a folder.
  virtual void OnFolderChanged() {}
  // The icon the system shows while the iconised window is dragged; 0 for
  // the system's own.
  virtual int DragIcon() { return 0; }
  // Any message no handler above covers. True when handled, with the
  // message's result; otherwise the system's default processing runs.
  virtual bool OnMessage(unsigned /*message*/, std::uintptr_t /*wParam*/,
                         std::intptr_t /*lParam*/, std::intptr_t& /*result*/) {
    return false;
  }

 protected:
  DialogView& View() { return *view_; }
  Prompt& GetPrompt() { return prompt_; }

  // Registers a value exchanged with an edit control, limited to `limit`
  // bytes. Values are taken in the order they were registered.
  void Exchange(int controlId, std::string& value, int limit);
  // A box that only shows a value the program holds (a member's name or
  // code): ShowValues fills it, TakeValues leaves the value alone, since a
  // box may hand back other bytes than it was given (half a character).
  void Display(int controlId, std::string& value);
  // Controls into values; false (after the limit message, with the focus on
  // that control) at the first text over its limit.
  bool TakeValues();
  void ShowValues();

 private:
  static constexpr int kShownOnly = -1;
  struct Binding {
    int controlId;
    std::string* value;
    int limit;  // kShownOnly: no limit, never taken
  };
  int templateId_;
  Prompt& prompt_;
  DialogView* view_ = nullptr;
  std::vector<Binding> bindings_;
};

// "%1 文字以内で入力してください。" with the limit in place of %1.
std::string LimitMessage(int limit);

// A dialog that accepts files dropped from the desktop shell.
class FileDropDialog : public Dialog {
 public:
  using Dialog::Dialog;
  virtual void HandleDroppedFile(const std::vector<std::string>& paths) = 0;
};

}  // namespace quorvel
