// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A printed line of a right-to-left list. The list writer lays a line out in
// character cells from the left; printed right to left the cells are
// mirrored, so that the columns of a table stand where the writer put them,
// counted from the right edge. Drawing the whole line as one right-to-left
// paragraph would not do that: a run of Latin symbols ("mx  my  mxy") keeps
// its left-to-right order and lands under the wrong Arabic captions.

#include <string>
#include <string_view>
#include <vector>

class QPainter;

namespace teska {

// A stretch of a line between runs of two or more blanks, in the cells
// [FirstCell, FirstCell + Cells) counted from the right edge. Cells are
// counted as the writer counts characters (one per UTF-16 unit), except that
// a lam-alef pair shows as one glyph and fills one cell: the writer pads a
// heading with one blank per pair for that.
struct RightToLeftRun {
    std::string Text;
    int FirstCell = 0;
    int Cells = 0;
    bool operator==(const RightToLeftRun&) const = default;
};

std::vector<RightToLeftRun> RightToLeftRuns(std::string_view line);

// Draws \p line with its top at \p top: each run right-aligned at its
// mirrored cell in a line \p width wide with cells \p cellWidth wide, in the
// painter's font; a run whose first letter is right to left reads right to
// left, any other run (numbers, units, symbols) left to right.
void DrawRightToLeftLine(
    QPainter& painter, std::string_view line, double top, double width, double cellWidth, double lineHeight);

} // namespace teska
