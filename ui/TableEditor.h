#pragma once
// A table edited in a list box: a heading line and a rule line, then one
// line per row, so line k + 2 shows row k. The group list and the user list
// are both edited this way; each dialog keeps its own checks and messages.
#include <string>
#include <utility>
#include <vector>

#include "ui/DialogView.h"
#include "ui/ListFiller.h"

namespace quorvel {

constexpr int kTableHeadLines = 2;
constexpr std::size_t kTableRuleWidth = 66;

// What a selection change in the list picked.
enum class TablePick { Row, Heading, Nothing };

template <typename Entry>
class TableEditor {
 public:
  using LineOf = std::string (*)(const Entry&);

  TableEditor(int listId, const char* heading, LineOf lineOf)
      : listId_(listId), heading_(heading), lineOf_(lineOf) {}

  std::vector<Entry> rows;
  int selected = -1;  // the row that modify and delete act on; -1 for none

  bool HasSelection() const { return selected >= 0 && selected < static_cast<int>(rows.size()); }
  const Entry& Selected() const { return rows[static_cast<std::size_t>(selected)]; }

  // Heading, rule, one line per row; the extent counts the rows' lines only.
  void Fill(DialogView& view) const {
    std::vector<std::string> lines{heading_, std::string(kTableRuleWidth, '-')};
    for (const Entry& row : rows) lines.push_back(lineOf_(row));
    FillList(view, listId_, lines, kTableHeadLines);
  }

  // The list's selection changed. A row's line makes it the selected row; a
  // heading line selects nothing and loses its highlight. Without any
  // selection, or past the rows, nothing changes.
  TablePick SelectionChanged(DialogView& view) {
    const int line = view.ListSelection(listId_);
    if (line < 0) return TablePick::Nothing;
    const int row = line - kTableHeadLines;
    if (row >= static_cast<int>(rows.size())) return TablePick::Nothing;
    if (row >= 0) {
      selected = row;
      return TablePick::Row;
    }
    view.ListSelect(listId_, -1);
    selected = -1;
    return TablePick::Heading;
  }

  // Highlights the selected row's line, if there is one.
  void ShowSelection(DialogView& view) const {
    if (HasSelection()) view.ListSelect(listId_, selected + kTableHeadLines);
  }

  void Append(Entry row) {
    rows.push_back(std::move(row));
    selected = static_cast<int>(rows.size()) - 1;
  }

  // Removes the selected row. The selection moves to the row that takes its
  // place, or to the new last row; with no row left there is none.
  void RemoveSelected() {
    if (!HasSelection()) return;
    rows.erase(rows.begin() + selected);
    if (selected >= static_cast<int>(rows.size())) selected = static_cast<int>(rows.size()) - 1;
  }

 private:
  int listId_;
  const char* heading_;
  LineOf lineOf_;
};

}  // namespace quorvel
