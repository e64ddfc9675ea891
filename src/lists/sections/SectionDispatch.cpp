// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which reader serves which key of the soil, load, pile and summary
// sections.

#include "lists/sections/SectionContent.h"

#include "lists/sections/BoreholeSummary.h"
#include "lists/sections/ColumnLoads.h"
#include "lists/sections/LoadCases.h"
#include "lists/sections/OriginSummary.h"
#include "lists/sections/PileData.h"
#include "lists/sections/PileGroupSummary.h"
#include "lists/sections/ReactionSummary.h"
#include "lists/sections/SettlementSummary.h"
#include "lists/sections/SoilData.h"

namespace teska {

std::unique_ptr<SectionContent> ReadSummaryOrLoadSection(const SectionInputs& inputs, const ListKey& key)
{
    const long* id = std::get_if<long>(&key);
    if (!id)
        return nullptr;
    switch (*id) {
    case 140164:
    case 90060:
        return ReadBoreholeSummary(inputs, *id);
    case 90050:
        return ReadOriginSummary(inputs);
    case 400165:
        return ReadPileGroupSummary(inputs);
    case 140019:
        return ReadSettlementSummary(inputs);
    case 142:
        return ReadReactionSummary(inputs);
    case 140162:
        return ReadSoilData(inputs);
    case 90073:
        return ReadLoadCases(inputs);
    case 140195:
        return ReadPileData(inputs);
    case 140169:
        return ReadColumnLoads(inputs);
    default:
        return nullptr;
    }
}

} // namespace teska
