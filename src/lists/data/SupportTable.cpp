// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/data/SupportTable.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "lists/format/FormatNumber.h"

namespace teska {
namespace {

// The condition text as a number, the way the suite converts it: the
// leading number of the text, 0 when there is none.
double ConditionValue(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

bool IsFree(const std::string& text)
{
    return text == "F";
}

} // namespace

void FillSupportTable(TableCells& cells, const SupportData& s, int analysisMethod, double deflectionFactor,
    double rotationFactor)
{
    constexpr int Columns = 4;
    cells.Reset(Columns, 0);
    if (analysisMethod == 21 || analysisMethod == 22)
        return;
    const std::size_t items = std::min({s.ItemNumbers.size(), s.KeptNumbers.size(), s.Texts2.size(),
        s.Conditions2.size(), s.Conditions3.size()});
    std::int32_t rows = 0;
    for (std::size_t i = 0; i < items; ++i)
        if (!(IsFree(s.Texts2[i]) && IsFree(s.Conditions2[i]) && IsFree(s.Conditions3[i])))
            ++rows;
    cells.Reset(Columns, rows);
    std::int32_t r = 0;
    for (std::size_t i = 0; i < items; ++i) {
        const std::string* conditions[] = {&s.Texts2[i], &s.Conditions2[i], &s.Conditions3[i]};
        if (IsFree(*conditions[0]) && IsFree(*conditions[1]) && IsFree(*conditions[2]))
            continue;
        ++r;
        cells.Cell(r, 0) = std::to_string(s.ItemNumbers[i]);
        cells.Cell(r, 1) = std::to_string(s.KeptNumbers[i]);
        for (int k = 0; k < 3; ++k) {
            const std::string& text = *conditions[k];
            const double factor = k == 0 ? deflectionFactor : rotationFactor;
            cells.Cell(r, k + 2) = IsFree(text) ? text : FormatNumber(ConditionValue(text) * factor, "");
        }
    }
}

} // namespace teska
