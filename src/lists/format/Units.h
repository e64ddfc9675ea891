// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Quantity kinds 0..12: the factor that converts a stored value into the
// user's units and the unit label printed in column headings.
//
//  kind  factor      label
//   0    F / L^2     [F/L T77]        7    L^2        [L T77]
//   1    F           [F.L/L]          8    L2^2 / L   [L2 T77 /L]
//   2    L * F       [F.L]            9    F2 / L^2   [F2/L T77]
//   3    F / L^3     [F/L T78]       10    L * F      [F.L/T75]
//   4    F / L       [F/L]           11    L^2        [L T77 /T76]
//   5    L^4         [L4]            12    L          [L/T76]
//   6    L^3         [L T78]
// L, L2, F, F2 are the unit names without their enclosing brackets; T77, T78
// are catalogue texts 77, 78 as they come, T75, T76 catalogue texts 75, 76
// without their first and last character. Other kinds: factor 0, label "[]".

#include <string>
#include <string_view>

namespace teska {

struct UnitSettings;
class TextCatalogue;

// The four catalogue pieces of the labels, looked up once per use.
struct UnitTexts {
    std::string T75;
    std::string T76;
    std::string T77;
    std::string T78;
};

UnitTexts LookupUnitTexts(const TextCatalogue& catalogue);

double UnitFactor(const UnitSettings& units, long kind);
// Throws RuntimeError when a unit name, T75 or T76 is shorter than two
// characters (it has no enclosing characters to strip).
std::string UnitLabel(const UnitSettings& units, const UnitTexts& texts, long kind);
std::string UnitLabel(const UnitSettings& units, const TextCatalogue& catalogue, long kind);

// \p text without its first and last character (UTF-8 aware); throws
// RuntimeError naming \p what when it has fewer than two characters.
std::string StripEnclosing(std::string_view text, std::string_view what);

// A converted value rounded the way the lists print it: formatted with
// \p pattern and read back as a single. Text that does not read back as a
// number (a pattern with literal text) gives the value itself as a single.
float RoundThroughText(double value, std::string_view pattern);

} // namespace teska
