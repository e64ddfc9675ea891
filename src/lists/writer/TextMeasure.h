// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Measuring list text: lengths in characters of UTF-8 text, the lam-alef
// pairs that a right-to-left font shows as one glyph, rounding of halves to
// even, and cutting at a slash.

#include <cstdint>
#include <string>
#include <string_view>

namespace teska {

// Characters of UTF-8 text: code points, counted as the run time counts
// string length (a character beyond U+FFFF counts 2). A byte that does not
// start a valid sequence counts as one character.
std::int32_t TextLength(std::string_view text);

// Places where lam (U+0644) is directly followed by alef (U+0627), alef with
// hamza below (U+0625), alef with hamza above (U+0623) or alef with madda
// (U+0622).
std::int32_t LamAlefCount(std::string_view text);

// numerator / denominator rounded to the nearest whole number, halves to
// even (the run time's conversion of a quotient). \p denominator > 0.
std::int32_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator);

// Shortens \p text to the part before its first "/"; a text without "/"
// stays whole.
void CutAtSlash(std::string& text);

// Appends \p n blanks (none for n <= 0) without a temporary string.
inline void AppendBlanks(std::string& out, std::int64_t n)
{
    if (n > 0)
        out.append(static_cast<std::size_t>(n), ' ');
}

} // namespace teska
