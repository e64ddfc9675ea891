// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 140019 of the result list: the settlement at one point of the
// slab with the stresses below it, from .BAU, .LDH and .LD1.
//
// What each value is, as the settlement calculation leaves the files:
//   .LDH        the depth step Dz and the coefficient of consolidation Cs,
//               then the chosen points (name, x, y; not printed here)
//   .LD1        N, the limit depth ZG, M; N degrees of consolidation (the
//               last one is the degree U reached); M rows of the depth Dz,
//               the stresses SE (elastic) and SD (from the soil) and the
//               overburden stress SV; the point's x and y and the kind of
//               point: "CharacteristicPoint", "SlabCenter" or "CertainPoint"
//   .BAU        must be readable (its boring headers are checked); no value
//               of it is printed
// The table adds SU = SE + SD and the ratio SU / SV (empty when SV is 0).

#include <memory>
#include <string>

#include "lists/sections/SectionContent.h"

namespace teska {

// The caption of a point kind word (90141, 90142, 90143); 0 for any other
// word, which is then printed as it stands.
long PointKindCaption(const std::string& word);

std::unique_ptr<SectionContent> ReadSettlementSummary(const SectionInputs& inputs);

} // namespace teska
