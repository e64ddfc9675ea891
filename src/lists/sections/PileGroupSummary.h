// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 400165 of the result list: the pile group summary from .QP2,
// .QP3 and .QP1 (read in this order).
//
// What each value is, as the calculation leaves the files:
//   .QP1 head   pile head level Po, pile length PL, the share of the piles
//               in the load Alfa-Kpp (a percentage)
//   .QP2 items  per pile its force Fr, settlement Sr and spring stiffness ks
//   .QP3 items  per pile the resistances Qma (skin), Qsp (tip) and Fr
//               (total), then the settlements Sv (head), Sr-Sv and Sr (foot)
//   .QP1 items  per layer of the shaft its depth L, skin friction Qs and the
//               pile settlement Ss there (then a layer number and three
//               values that the summary does not print)

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadPileGroupSummary(const SectionInputs& inputs);

} // namespace teska
