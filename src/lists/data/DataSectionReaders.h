// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The readers of the data list's sections, one per key (ReadDataSection
// picks by key). Each reads the section's files and returns its content;
// errors name the file.

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

// The number format slot of the node coordinates.
inline constexpr int CoordinateFormatSlot = 2;
// The other values of the data sections are written with the empty pattern
// (the shortest form of a single, at most seven digits).
inline constexpr const char* DataValuePattern = "";

std::unique_ptr<SectionContent> ReadCoverSection(const SectionInputs& inputs); // 90045
std::unique_ptr<SectionContent> ReadNodeSection(const SectionInputs& inputs); // 90054
std::unique_ptr<SectionContent> ReadElementSection(const SectionInputs& inputs); // 90055
std::unique_ptr<SectionContent> ReadSettlementSection(const SectionInputs& inputs); // 60003
std::unique_ptr<SectionContent> ReadSupportSection(const SectionInputs& inputs); // 60005
std::unique_ptr<SectionContent> ReadSpringSection(const SectionInputs& inputs); // 140015
std::unique_ptr<SectionContent> ReadSlabSection(const SectionInputs& inputs, long key); // 140176, TermId
std::unique_ptr<SectionContent> ReadBeamSection(const SectionInputs& inputs); // 10032
std::unique_ptr<SectionContent> ReadPileNodeSection(const SectionInputs& inputs); // 60004
std::unique_ptr<SectionContent> ReadTemperatureSection(const SectionInputs& inputs); // 140175
std::unique_ptr<SectionContent> ReadDesignSection(const SectionInputs& inputs); // 90062

} // namespace teska
