// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which reader serves which key of the soil, load, pile and summary
// sections.

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadSummaryOrLoadSection(const SectionInputs& inputs, const ListKey& key)
{
    (void)inputs;
    const long* id = std::get_if<long>(&key);
    if (!id)
        return nullptr;
    switch (*id) {
    default:
        return nullptr;
    }
}

} // namespace teska
