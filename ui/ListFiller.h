#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "ui/DialogView.h"

namespace quorvel {

constexpr int kPixelsPerByte = 6;

// Refills a list whole, in the given order, and sets its horizontal extent
// to 6 pixels per byte of the longest line; the first `uncountedHead` lines
// (headings) do not count for the extent.
void FillList(DialogView& view, int listId, const std::vector<std::string>& lines,
              std::size_t uncountedHead = 0);

}  // namespace quorvel
