// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Section 140162 of the data list: the soil data of the .BAU, read in
// three passes (the headers, the layers, the layer entries).
//
// What each value is, as the soil input leaves the file:
//   records 1-3   the coefficient of the limit depth Alfa, two values that
//                 the list does not print
//   record 5      the ground water level GW
//   boring header X, Y, name, layer count, the ground surface level
//   layers        thickness, Es, E, Nue, Cc
//   entries       eo, Gama
//   one value     the modulus of subgrade reaction ks of the boring (the
//                 boring table of AnalysisMethod 3)
//   entries 2     Fhi, c
//   last number   the loading state of the layers: 0 not stated (rows "E"
//                 and "Cc"), 1 loading ("E" and "Cc", captions with
//                 " (Loading)"), 2 unloading (the same values as the
//                 unloading modulus "W" and the recompression index "Cr",
//                 captions with " (Unloading)"); any other value aborts the
//                 run naming the file
// The column qul of the boring table of AnalysisMethod 3 has no value in
// this file and stays empty.

#include <memory>

#include "lists/sections/SectionContent.h"

namespace teska {

std::unique_ptr<SectionContent> ReadSoilData(const SectionInputs& inputs);

} // namespace teska
