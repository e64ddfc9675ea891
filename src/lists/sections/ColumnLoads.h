// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 140169 of the data list: the column loads and load groups, from
// .PCF, .PCW, .PC1, .PC7 and .PC8 (read in this order, all before the
// section writes a line; a .PC1 that the data file check refuses is left
// out and its tables stay empty).
//
// What each file holds, as the load input leaves them:
//   .PCF items    per column load its load area number, then x, y and the
//                 load P; in the plane models the node, then Ph, M and Pv
//                 (the vertical load keeps the place of P)
//   .PCF groups   per beam load of the plane frame (AnalysisMethod 21) the
//                 beam, its load kind code (the legend 1 to 3) and Pd
//   .PCW          per load area its side lengths a and b; one area per
//                 column load (the files share the count K)
//   .PC1          D: Mx, x, y; E: My, x, y; A: line loads Pl, load kind,
//                 widths left and right, lengths top and bottom; F: line
//                 moments Ml and the same five; C: a beam number (not
//                 printed), P, x, y; B: area loads P and the four extents,
//                 the first "further count" of them permanent, the rest
//                 variable. The point list and the polylines are the
//                 calculation's geometry and are not printed.
//   .PC7, .PC8    Pe, Pa, P, Pw, Qw, Qo, Mx, My, ex, ey; Ix, Iy, Ixy, A, V
//
// The body, other models: heading 10079 and the column load table; the side
// table of a and b from .PCW; heading 10078 and the load kind legend; the
// tables " Mx:" (D), " My:" (E), 10022 (A), 40006 (F), the loads on beams
// (C), 90041 with 90082 (permanent B) and 90041 with 10062 (variable B),
// each left out with its caption when it has no rows. Plane frame (21):
// heading 10079 and the node loads (node, Pv, M; its columns have no Ph),
// the legend and the beam loads from the .PCF groups. AnalysisMethod 22:
// heading 10079 and the node loads (node in column 0, Pv, Ph). Every model
// ends with the load combination rows; Pe, Pa and P are named as dead load,
// additional load and P = Pe + Pa - Pw when the water pressure Pw is not
// zero, else as permanent load, variable load and P = Pe + Pa.
// A .PCW whose count is not the .PCF's, or a further count outside 0 to the
// number of area loads, aborts the run naming the file.

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadColumnLoads(const SectionInputs& inputs);

} // namespace teska
