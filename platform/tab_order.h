#pragma once
// The order in which Tab walks a window's inputs, derived from where they are:
// the reading order of their rectangles. A row or column is told by the gap
// around it; the wider gap splits first (two columns of fields are read column
// by column, a grid of fields with wide rows row by row); what no gap
// separates is read top to bottom, left to right.
#include <QRect>
#include <cstddef>
#include <vector>

namespace tv {

// The indexes of `boxes` in reading order.
std::vector<size_t> readingOrder(const std::vector<QRect>& boxes);

}  // namespace tv
