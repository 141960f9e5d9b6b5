#include "ui/ListFiller.h"

namespace quorvel {

void FillList(DialogView& view, int listId, const std::vector<std::string>& lines,
              std::size_t uncountedHead) {
  view.ListReset(listId);
  std::size_t longest = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    view.ListAdd(listId, lines[i]);
    if (i >= uncountedHead && lines[i].size() > longest) longest = lines[i].size();
  }
  view.ListSetHorizontalExtent(listId, static_cast<int>(longest) * kPixelsPerByte);
}

}  // namespace quorvel
