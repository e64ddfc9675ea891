// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 90073 of the data list: the load cases, read from the .BAU, the
// .P41 and the project's load data (.LDS).
//
// What goes where (the columns leave the values open, so these are the
// choices an engineer reading the list expects):
//   head          the heading, the four captions, the heading of the
//                 distribution table (selector 0, caption 160020 over the
//                 number column) and the two closing captions
//   load table    (selector 1) one row per .P41 item: its whole number and
//                 its text
//   second table  (selector 2) one row per line load, the load cases in
//                 file order: the distribution mark ("I" Triangle, "II"
//                 Linear, "III" Constant), the intensities P1 and P2 at the
//                 two ends x UnitFactor 4 (force per length), and the length
//                 of the load x the length factor
// The .BAU is read so that a missing or corrupt soil file stops the section
// as it stops the soil section; none of its values is printed here.

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadLoadCases(const SectionInputs& inputs);

} // namespace teska
