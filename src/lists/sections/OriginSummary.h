// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 90050 of the result list: the deflection w_o and the two
// rotations at the origin, from .PS1 for AnalysisMethod 7.

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

// Reads .PS1 when AnalysisMethod is 7; for any other method no file is
// read and the three rows show 0.
std::unique_ptr<SectionContent> ReadOriginSummary(const SectionInputs& inputs);

} // namespace teska
