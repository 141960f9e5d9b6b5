#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "tests/support/FakeView.h"
#include "ui/Dialog.h"
#include "ui/DialogRunner.h"

namespace quorvel::test {

// Runs child dialogs against a fake view: initialises them, lets the test's
// script act as the user, and destroys them. A dialog without a script is
// cancelled.
class ScriptedRunner : public DialogRunner {
 public:
  using Script = std::function<void(Dialog&, FakeView&)>;

  void On(int templateId, Script script) { scripts_[templateId].push_back(std::move(script)); }

  int RunUnowned(Dialog& dialog) override {
    ++unownedRuns;
    return Run(dialog);
  }

  int Run(Dialog& dialog) override {
    runs.push_back(dialog.TemplateId());
    FakeView view;
    dialog.Attach(&view);
    dialog.OnInit();
    auto it = scripts_.find(dialog.TemplateId());
    if (!view.ended) {
      if (it != scripts_.end() && !it->second.empty()) {
        Script script = it->second.front();
        if (it->second.size() > 1) it->second.erase(it->second.begin());
        script(dialog, view);
      }
      if (!view.ended) dialog.OnCancel();
    }
    dialog.OnDestroy();
    dialog.Attach(nullptr);
    touched[dialog.TemplateId()].insert(view.touched.begin(), view.touched.end());
    return view.result;
  }

  std::vector<int> runs;  // template ids, in the order run
  int unownedRuns = 0;
  std::map<int, std::set<int>> touched;  // control ids each template's dialogs addressed

 private:
  // The last script of a template stays for every later run.
  std::map<int, std::vector<Script>> scripts_;
};

}  // namespace quorvel::test
