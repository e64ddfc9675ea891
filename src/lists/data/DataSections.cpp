// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/data/DataSectionReaders.h"
#include "lists/writer/ListWriter.h"

namespace teska {

namespace {

// The cover page reads no file; it begins its own section.
class CoverSection : public SectionContent {
public:
    void WriteHead(ListWriter& writer) override { writer.WriteCoverPage(); }
};

} // namespace

std::unique_ptr<SectionContent> ReadCoverSection(const SectionInputs&)
{
    return std::make_unique<CoverSection>();
}

std::unique_ptr<SectionContent> ReadDataSection(const SectionInputs& inputs, const ListKey& key)
{
    const long* id = std::get_if<long>(&key);
    if (!id)
        return nullptr;
    switch (*id) {
    case 90045:
        return ReadCoverSection(inputs);
    case 90054:
        return ReadNodeSection(inputs);
    case 90055:
        return ReadElementSection(inputs);
    case 60003:
        return ReadSettlementSection(inputs);
    case 60005:
        return ReadSupportSection(inputs);
    case 140015:
        return ReadSpringSection(inputs);
    case 10032:
        return ReadBeamSection(inputs);
    case 60004:
        return ReadPileNodeSection(inputs);
    case 140175:
        return ReadTemperatureSection(inputs);
    case 90062:
        return ReadDesignSection(inputs);
    default:
        break;
    }
    if (*id == 140176 || (inputs.TermId != 0 && *id == inputs.TermId))
        return ReadSlabSection(inputs, *id);
    return nullptr;
}

} // namespace teska
