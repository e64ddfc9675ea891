// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 140195 of the data list: the piles, from .PL9, .PL3 and .PIL
// (read in this order, all before the section writes a line).
//
// What each value is, as the pile input leaves the files:
//   .PIL head     the pile count NP, the unit weight GP and the modulus of
//                 elasticity Ep of the pile material, and a whole number
//                 that only the calculation uses (the pile method)
//   .PIL list     per pile the node it stands on (column 0 of the pile
//                 tables, under the caption "Node")
//   .PIL piles    per pile its number and the layer of the layer table in
//                 which its foot stands; D, Df, Lg, then the limits qs, Cu,
//                 Sig, Sig1; its name (a whole line); the limit base
//                 stress SigGR
//   .PIL blocks   one per soil layer along the piles: L1, Cu, qs, Tau, then
//                 the shear stresses on the shaft at n levels down the layer
//   .PL3          per pile how its bearing is given: 1 a limit load Qli,
//                 2 a spring kz with an ultimate base pressure qul, 3 by the
//                 layers alone, 4 by a pile load test (load Q, settlement s)
//   .PL9          per pile the pair of its kind: (Qli, unused), (kz, qul),
//                 unused, (Q, s)
//
// The body: per pile its rows (name, foot layer, dimensions, stress
// limits); heading 140097 and the layer table, one column Tau1..Taun per
// shaft level, "-" where a layer has fewer levels than the deepest one;
// the tables of kinds 1, 2 and 3 (D, L, Qli; D, L, kz, qul; D, L); heading
// 80043 and the table of kind 4; heading 40037 with GP and Ep. A table
// without rows is left out together with its heading. .PL3 and .PL9 with
// fewer entries than NP piles, or a kind outside 1 to 4, abort the run
// naming the file.

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadPileData(const SectionInputs& inputs);

} // namespace teska
