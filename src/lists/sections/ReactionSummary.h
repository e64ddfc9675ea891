// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The summary of the support reactions (142) in the result list: the
// result table of 142 without its all-zero rows, and for each of its
// columns the total over the rows, labelled with caption 90039 and the
// column's caption, symbol and unit, in the value format of 142 (slot 6).

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

// Reads the result table of 142. nullptr when the reading stopped (a
// missing result file aborts the run; the run state says so); an
// EmptySection when every row is zero (warned, as for a result table).
std::unique_ptr<SectionContent> ReadReactionSummary(const SectionInputs& inputs);

} // namespace teska
