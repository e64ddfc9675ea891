// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The borehole tables of the result list: 140164 with the ultimate bearing
// pressure qb of each boring (.QUB) and 90060 with its mean modulus of
// subgrade reaction ksm (.PW2). Both take the boring names and positions
// from the headers of the .BAU.

#include <memory>
#include <string>
#include <vector>

#include "lists/sections/SectionContent.h"

namespace teska {

class RecordFile;

// The part of a boring header that the summaries print.
struct BoringHeader {
    float X = 0;
    float Y = 0;
    std::string Name;
};

// Record 4: the boring count n; boring i: X in record 5i + 1, Y in 5i + 2,
// the name in 5i + 3; the other blocks are skipped. A negative count or one
// that the file cannot hold throws FileFormatError naming record 4.
std::vector<BoringHeader> ReadBoringHeaders(const RecordFile& in);

// Reads .BAU and the value file of \p key (140164: .QUB, qb by UnitFactor
// 0; 90060: .PW2, ksm by UnitFactor 3). A value file with fewer values than
// borings throws FileFormatError naming it.
std::unique_ptr<SectionContent> ReadBoreholeSummary(const SectionInputs& inputs, long key);

} // namespace teska
