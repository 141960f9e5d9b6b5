#pragma once
// The stage of a window's tests: a desk, a fake view and the window under
// test, made with the desk's services (and, for a window that reads the
// group list file, the desk's one).
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "tests/support/Desk.h"
#include "tests/support/FakeView.h"
#include "ui/Controls.h"

namespace quorvel::test {

template <typename W>
struct WindowFixture : ::testing::Test {
  Desk desk;
  FakeView view;
  W window = MakeWindow();

  void Open() {
    window.Attach(&view);
    window.OnInit();
  }
  void Press(int id) { window.OnCommand(id, kNotifyClicked); }
  std::vector<std::string>& Lines(int listId) { return view.Lines(listId); }

 private:
  W MakeWindow() {
    if constexpr (std::is_constructible_v<W, Services&, const std::string&>)
      return W(desk.services, desk.share / "QVL.gl");
    else
      return W(desk.services);
  }
};

}  // namespace quorvel::test
