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
//                 load P; in the plane models the node, then Pv, Ph and M
//   .PCF groups   per beam load of the plane frame (AnalysisMethod 21) the
//                 beam, its load kind code (the legend 1 to 3) and Pd
//   .PCW          per load area its side lengths a and b
//   .PC1          D: Mx, x, y; E: My, x, y; A: line loads Pl, load kind,
//                 widths left and right, lengths top and bottom; F: line
//                 moments Ml and the same five; C: a beam number (not
//                 printed), P, x, y; the polyline points: value, x, y;
//                 B: area loads P and the four edges of the loaded
//                 rectangle. The point list is the calculation's geometry
//                 and is not printed.
//   .PC7, .PC8    Pe, Pa, P, Pw, Qw, Qo, Mx, My, ex, ey; Ix, Iy, Ixy, A, V
//
// The body: heading 10079 and the column load table (other models: number,
// P, x, y; plane frame 21: node, Pv, M, its columns have no Ph; model 22:
// Pv, Ph under the row number); the side table of a and b from .PCW;
// heading 10078 and the load kind legend. Then, other models, the tables
// " Mx:" (D), " My:" (E), 10022 (A), 40006 (F), the loads on beams (C, then
// the polyline points) and the area loads (B) under 90041 with 90082 when
// Pa of .PC7 is zero, else with 10062; plane frame, the beam loads from the
// .PCF groups (beam in column 0, Pd, code); model 22 none. A table without
// rows is left out with its caption. Every model ends with the load
// resultant, kept on one page: Pe and Pa are named permanent and variable
// load (120044, 120046) when the catalogue's terminology switch is set,
// else dead and additional load (120048, 120047); P reads
// " (P =  Pe + Pa - Pw)" when the water pressure Pw is not zero, else
// " (P = Pe + Pa)".

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadColumnLoads(const SectionInputs& inputs);

} // namespace teska
