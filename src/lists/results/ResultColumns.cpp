// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/results/ResultColumns.h"

#include <cmath>

#include "lists/format/Units.h"
#include "lists/results/ResultTable.h"

namespace teska {

void ScaleColumns(ResultTable& table, double factor, std::initializer_list<std::int32_t> columns)
{
    const std::int32_t rows = table.RowCount();
    for (const std::int32_t c : columns)
        for (std::int32_t r = 1; r <= rows; ++r) {
            float& cell = table.At(r, c);
            cell = RoundThroughText(static_cast<double>(cell) * factor, "");
        }
}

void ScaleValues(std::span<float> values, double factor)
{
    for (float& v : values)
        v = RoundThroughText(static_cast<double>(v) * factor, "");
}

void DeriveStressColumns(ResultTable& table, int f)
{
    const float ff = static_cast<float>(f);
    for (std::int32_t r = 1; r <= table.RowCount(); ++r) {
        const float c1 = table.Value(r, 1);
        const float c2 = table.Value(r, 2);
        const float c3 = table.Value(r, 3);
        const float half = (c1 - c2) * ff / 2.0f;
        table.At(r, 4) = std::sqrt(half * half + c3 * c3);
        const float m = (c1 + c2) / 2.0f;
        const float d = (c1 - c2) / 2.0f;
        const float rad = std::sqrt(d * d + c3 * c3 / (ff * ff));
        table.At(r, 5) = m + rad;
        table.At(r, 6) = m - rad;
    }
}

void DerivePrincipalMoments(ResultTable& table)
{
    for (std::int32_t r = 1; r <= table.RowCount(); ++r) {
        const float c1 = table.Value(r, 1);
        const float c2 = table.Value(r, 2);
        const float c3 = table.Value(r, 3);
        const float m = (c1 + c2) / 2.0f;
        const float d = (c1 - c2) / 2.0f;
        const float rad = std::sqrt(d * d + c3 * c3);
        table.At(r, 4) = m + rad;
        table.At(r, 5) = m - rad;
    }
}

void SubtractColumns(ResultTable& table, std::int32_t target, std::int32_t a, std::int32_t b)
{
    for (std::int32_t r = 1; r <= table.RowCount(); ++r)
        table.At(r, target) = table.Value(r, a) - table.Value(r, b);
}

} // namespace teska
