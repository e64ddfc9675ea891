// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The conversions and computed columns of the result lists. Converted values
// are rounded through their printed text, so that the table holds exactly
// what a printout of the value shows.

#include <cstdint>
#include <initializer_list>
#include <span>

namespace teska {

class ResultTable;

// Every listed column (1-based), every row: value = the single read back
// from the plain text form (FormatNumber with an empty pattern) of
// value x factor.
void ScaleColumns(ResultTable& table, double factor, std::initializer_list<std::int32_t> columns);
// The same for every cell of a plain array (the coefficient matrices).
void ScaleValues(std::span<float> values, double factor);

// Stress (f = 1) and strain (f = 2) columns from columns 1..3 (x, y, xy),
// computed in single precision before any conversion:
//   column 4 = sqrt(((c1 - c2) f / 2)^2 + c3^2)
//   m = (c1 + c2) / 2, d = (c1 - c2) / 2, r = sqrt(d^2 + c3^2 / f^2)
//   column 5 = m + r, column 6 = m - r
void DeriveStressColumns(ResultTable& table, int f);

// Principal moments from mx, my, mxy in columns 1..3 (after conversion):
//   m = (c1 + c2) / 2, d = (c1 - c2) / 2, r = sqrt(d^2 + c3^2)
//   column 4 = m + r, column 5 = m - r
void DerivePrincipalMoments(ResultTable& table);

// column \p target = column \p a - column \p b, row by row.
void SubtractColumns(ResultTable& table, std::int32_t target, std::int32_t a, std::int32_t b);

} // namespace teska
